// Creates Belgepano's panels at run time and binds to their children and events late.
#pragma once

#include <QString>

#include <functional>

class QMetaObject;
class QObject;
class QWidget;

namespace kx {

// Creates the panel of that ProgID or class id ("Belgepano.RA"). The class is looked up in the
// class registry file; when it is not registered there, or its library is gone, the library
// beside the executable is used. Returns null, with the reason in *error, when the panel cannot
// be made.
QWidget *CreatePanel(const QString &progIdOrClassId, QWidget *parent = nullptr,
                     QString *error = nullptr);

// The panel library beside the running executable.
QString PanelLibraryBesideProgram();

// Dispatch ids: with n properties declared by the panel's class, the k-th has the id
// 0x68030000 + (n - k). -1 when the class declares no such property.
constexpr int FirstPanelDispatchId = 0x68030000;
int PanelDispatchId(const QMetaObject *panelClass, const QString &property);

// The child that a panel property ("XCCari") or dispatch id hands out; null when there is none.
QObject *PanelChild(const QObject *panel, const QString &property);
QObject *PanelChild(const QObject *panel, int dispatchId);

// The put form of the same property (by name or dispatch id): the child takes value's default
// value (the text of a text field or combo, the value of an option, check box or date field)
// under its own rules, so a date field given a text that is no date keeps its date. False when
// the panel has no such property.
bool PutPanelChild(QObject *panel, const QString &property, QObject *value);
bool PutPanelChild(QObject *panel, int dispatchId, QObject *value);

// Events are numbered 1, 2, 3 ... in the order the panel's class declares them; 0 for none.
int PanelEventNumber(const QMetaObject *panelClass, const QString &event);

// Runs handler, synchronously, whenever the panel raises the event ("CCariCL"). The connection
// lives as long as both the panel and context do. False when the panel has no such event.
bool ConnectPanelEvent(QObject *panel, const QString &event, QObject *context,
                       std::function<void()> handler);

} // namespace kx
