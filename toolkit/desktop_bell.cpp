// The desktop's warning sound: the X11 bell, or the sound theme's bell through libcanberra.
#include "toolkit/desktop_bell.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <canberra.h>

namespace toolkit {
namespace {

// The desktop's settings as the desktop portal hands them to every program, sandboxed or
// not; GNOME and the desktops built on its settings keep the sound theme here.
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kSoundGroup = QStringLiteral("org.gnome.desktop.sound");
const QString kThemeKey = QStringLiteral("theme-name");
const QString kEventSoundsKey = QStringLiteral("event-sounds");
// A portal that does not answer at once is not waited for: the bell rings with the defaults.
constexpr int kPortalTimeoutMs = 250;

// The portal wraps a value in one variant or, in older versions, in two.
QVariant unwrapped(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

bool platformRings() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

DesktopBell::DesktopBell() = default;

DesktopBell::~DesktopBell() {
    if (sounds_)
        ca_context_destroy(sounds_);
}

void DesktopBell::ring() {
    if (platformRings()) {
        QApplication::beep();
        return;
    }
    if (!settingsRead_)
        readSettings();
    if (!eventSounds_)
        return;
    if (!sounds_) {
        if (ca_context_create(&sounds_) != CA_SUCCESS)
            return;
        ca_context_change_props(
            sounds_, CA_PROP_APPLICATION_NAME, qPrintable(QGuiApplication::applicationName()),
            CA_PROP_APPLICATION_ID, qPrintable(QGuiApplication::desktopFileName()), nullptr);
    }
    // The window system's bell as desktops name it; a theme without one falls back to "bell".
    ca_context_play(sounds_, 0, CA_PROP_EVENT_ID, "bell-window-system", CA_PROP_EVENT_DESCRIPTION,
                    "Bell", CA_PROP_CANBERRA_XDG_THEME_NAME, qPrintable(theme_),
                    CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}

// Read once, then kept up to date as the user changes them.
void DesktopBell::readSettings() {
    settingsRead_ = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    for (const QString& key : {kThemeKey, kEventSoundsKey}) {
        QDBusMessage read =
            QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
        read << kSoundGroup << key;
        const QDBusMessage reply = bus.call(read, QDBus::Block, kPortalTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return;
        take(key, unwrapped(reply.arguments().constFirst()));
    }
    bus.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
}

void DesktopBell::settingChanged(const QString& group, const QString& key,
                                 const QDBusVariant& value) {
    if (group == kSoundGroup)
        take(key, unwrapped(value.variant()));
}

void DesktopBell::take(const QString& key, const QVariant& value) {
    if (key == kThemeKey && !value.toString().isEmpty())
        theme_ = value.toString();
    else if (key == kEventSoundsKey && value.canConvert<bool>())
        eventSounds_ = value.toBool();
}

} // namespace toolkit
