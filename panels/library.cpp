// Belgepano's library entry points (filled by the panel library work).
