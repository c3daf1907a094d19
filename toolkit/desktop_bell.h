// The desktop's warning sound on every platform, for the refusals of the key filter.
#pragma once

#include <QObject>
#include <QString>

class QDBusVariant;
struct ca_context;

namespace toolkit {

// Rings the display server's bell where the platform plugin has one (X11; the desktop turns
// it into its own sound). Elsewhere (Qt 6.4's Wayland plugin rings nothing) plays the bell of
// the desktop's sound theme through libcanberra, on the sound server's event stream whose
// volume and mute the desktop sets; silent where the desktop has turned event sounds off.
class DesktopBell : public QObject {
    Q_OBJECT
public:
    DesktopBell();
    ~DesktopBell() override;
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    void ring();

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void readSettings();
    void take(const QString& key, const QVariant& value);

    ca_context* sounds_ = nullptr;
    bool settingsRead_ = false;
    QString theme_ = QStringLiteral("freedesktop");
    bool eventSounds_ = true;
};

} // namespace toolkit
