// Qt 6.4's bridge to the Linux accessibility bus (AT-SPI) answers a call of
// org.freedesktop.DBus.Properties on an accessible object by reading the
// call's second argument, the property's name, without checking that there is
// one. GetAll has a single argument (the interface), so any client that asks
// for all properties at once, as D-Bus browsers and some accessibility tools
// do, made the bridge read past the end of a list and crash the program; a Get
// with its name missing did the same. Found with a bare QLabel program as well
// as with Quib, so it is the bridge and not an accessible interface of ours.
//
// The bridge registers one object for the whole tree of accessible objects at
// /org/a11y/atspi/accessible on its connection "a11y". We put a thin object of
// our own in its place: it answers those short property calls with a D-Bus
// error and hands every other call to the bridge unchanged, so screen readers
// (which read properties one at a time with Get) keep working in full.

#include "accessibility_bus_guard.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>

namespace quib::desktop {

namespace {

const QString kConnectionName = QStringLiteral("a11y");
const QString kAccessiblePath = QStringLiteral("/org/a11y/atspi/accessible");

class BridgeGuard : public QDBusVirtualObject {
public:
    BridgeGuard(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {}

    QString introspect(const QString& path) const override { return bridge_ ? bridge_->introspect(path) : QString(); }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() == QStringLiteral("org.freedesktop.DBus.Properties") &&
            message.arguments().size() < 2) {
            connection.send(message.createErrorReply(
                QDBusError::NotSupported,
                QStringLiteral("%1 needs an interface and a property name here: ask for each property with Get")
                    .arg(message.member())));
            return true;
        }
        return bridge_ && bridge_->handleMessage(message, connection);
    }

private:
    QPointer<QDBusVirtualObject> bridge_;
};

void PutGuardInPlace() {
    QDBusConnection bus(kConnectionName);
    if (!bus.isConnected()) return;
    auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kAccessiblePath));
    if (bridge == nullptr || dynamic_cast<BridgeGuard*>(bridge) != nullptr) return;
    bus.unregisterObject(kAccessiblePath, QDBusConnection::UnregisterTree);
    auto* guard = new BridgeGuard(bridge);  // a child of the bridge: it goes when the bridge goes
    if (!bus.registerVirtualObject(kAccessiblePath, guard, QDBusConnection::SubPath)) {
        delete guard;
        bus.registerVirtualObject(kAccessiblePath, bridge, QDBusConnection::SubPath);
        qWarning("Quib: could not guard the accessibility bridge");
    }
}

// The bridge turns accessibility on first and registers its object right
// after, in the same call: the guard goes in once that call has returned.
class BridgeWatch : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (active) QTimer::singleShot(0, [] { PutGuardInPlace(); });
    }
};

}  // namespace

void GuardAccessibilityBus() {
    static BridgeWatch watch;
    static bool watching = false;
    if (!watching) {
        QAccessible::installActivationObserver(&watch);
        watching = true;
    }
    PutGuardInPlace();
    QTimer::singleShot(0, [] { PutGuardInPlace(); });
}

}  // namespace quib::desktop
