// The keyboard lock lights. On X11 the lock states are read and set through
// XKB; elsewhere reading gives false and setting leaves the keyboard alone.
#pragma once

#include <QObject>

namespace d7 {

class TKeyLed : public QObject {
    Q_OBJECT
public:
    explicit TKeyLed(QObject *parent = nullptr);

    bool CapsLock() const;
    bool NumLock() const;
    bool ScrollLock() const;
    // A lock is toggled only when its state differs from the wanted one.
    void setCapsLock(bool on);
    void setNumLock(bool on);
    void setScrollLock(bool on);

    // Whether this platform lets the program reach the keyboard at all.
    static bool Available();
    // How many times a lock was actually changed (no change: no count).
    int changeCount() const { return changes_; }

private:
    enum class Lock { Caps, Num, Scroll };
    static bool read(Lock lock);
    void write(Lock lock, bool on);
    int changes_ = 0;
};

}  // namespace d7
