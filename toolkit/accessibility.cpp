// Announcements, hidden controls and clickable controls, as screen readers meet them.
#include "toolkit/accessibility.h"

#include <QAccessibleWidget>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QLabel>
#include <QSet>
#include <QTimer>
#include <QWidget>

namespace toolkit {
namespace {

constexpr const char* kHidden = "toolkitHiddenFromAssistiveTechnology";
constexpr const char* kRestorerName = "toolkitAnnouncementRestorer";

bool isHidden(const QAccessibleInterface* child) {
    return child->object() && child->object()->property(kHidden).toBool();
}

// The containers of hidden controls.
QSet<const QObject*>& containers() {
    static QSet<const QObject*> set;
    return set;
}

// A container that shows screen readers its children less the hidden ones.
class ContainerAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override { return shownChildren().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QAccessibleInterface*> shown = shownChildren();
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (shown[i] == child)
                return static_cast<int>(i);
        return -1;
    }

private:
    QList<QAccessibleInterface*> shownChildren() const {
        QList<QAccessibleInterface*> shown;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i)
            if (QAccessibleInterface* c = QAccessibleWidget::child(i); c && !isHidden(c))
                shown << c;
        return shown;
    }
};

// A picture (an image), or a picture or text that opens something when clicked (a link,
// opened by its press action as by a click).
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget& control, OpensSomething opens)
        : QAccessibleWidget(&control), opens_(opens) {}

    QAccessible::Role role() const override {
        return opens_(*object()) ? QAccessible::Link : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        const auto* label = qobject_cast<const QLabel*>(object());
        if (t == QAccessible::Name && label && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && role() == QAccessible::Link)
            QMetaObject::invokeMethod(object(), "clicked");
        else
            QAccessibleWidget::doAction(name);
    }

private:
    OpensSomething opens_;
};

// Asked before Qt's own for every class of an object, most derived first: the containers of
// hidden controls.
QAccessibleInterface* makeContainerInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || !containers().contains(object))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QDialog"))
        return new ContainerAccessible(widget, QAccessible::Dialog);
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(widget);
    return nullptr;
}

// Qt's connection to the accessibility bus, where a screen reader hears the controls.
QDBusConnection accessibilityBus() {
    return QDBusConnection(QStringLiteral("a11y"));
}

// Tells screen readers that the control's description is now `description`. Qt 6.4 sends such
// a change with the control in place of the text, which screen readers cannot speak: this one
// carries the text. It comes from the control's own object on the bus, as Qt's events do.
void sendDescription(QWidget& control, const QString& description) {
    QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected())
        return; // no screen reader can be listening
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&control);
    if (!self)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(self));
    QDBusMessage change = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(description)) << QVariantMap();
    bus.send(change);
}

// Once the focus has moved on, screen readers learn the control's own description again: the
// announcement is not read with the control later. A screen reader by then on the next
// control says nothing of it.
class Restorer : public QObject {
public:
    explicit Restorer(QWidget& control) : QObject(&control) {
        setObjectName(QLatin1String(kRestorerName));
        control.installEventFilter(this);
    }

    bool eventFilter(QObject* control, QEvent* e) override {
        if (e->type() != QEvent::FocusOut)
            return false;
        control->removeEventFilter(this);
        setObjectName(QString()); // the next announcement has a restorer of its own
        QTimer::singleShot(0, this, [this] {
            auto* owner = static_cast<QWidget*>(parent());
            if (QAccessibleInterface* self = QAccessible::queryAccessibleInterface(owner))
                sendDescription(*owner, self->text(QAccessible::Description));
            deleteLater();
        });
        return false;
    }
};

} // namespace

QAccessibleInterface* clickableInterface(QWidget& control, OpensSomething opens) {
    return new ClickableAccessible(control, opens);
}

void announce(QWidget& focused, const QString& text) {
    if (!focused.findChild<QObject*>(QLatin1String(kRestorerName), Qt::FindDirectChildrenOnly))
        new Restorer(focused);
    sendDescription(focused, text);
}

void hideFromAssistiveTechnology(QWidget& widget) {
    static const bool installed = (QAccessible::installFactory(makeContainerInterface), true);
    Q_UNUSED(installed);
    widget.setProperty(kHidden, true);
    QWidget* container = widget.parentWidget();
    if (!container || containers().contains(container))
        return;
    containers().insert(container);
    QObject::connect(container, &QObject::destroyed,
                     [](QObject* gone) { containers().remove(gone); });
    // An interface made for the container before now shows every child; the next one comes
    // from makeContainerInterface().
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(container);
    if (made && !dynamic_cast<ContainerAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace toolkit
