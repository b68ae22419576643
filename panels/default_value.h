// The default value of a panel child, which the put form of every panel property copies.
#pragma once

class QObject;

namespace kx::belgepano {

// Copies value's default value (the text of a text field or combo, the value of an option, check
// box or date field) into child's, under the child's own setter: a drop-down combo chooses the
// item of that text or none, a date field takes only a text that is a date, a check box or option
// takes a number (non-zero checks it) or true/false. Returns false, leaving child as it was, when
// child refuses the value or value has none (a null object, a label, a button).
bool PutDefaultValue(QObject *child, const QObject *value);

} // namespace kx::belgepano
