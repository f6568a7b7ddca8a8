// The keyboard lock lights. On X11 the lock states are read and set through
// XKB; elsewhere reading gives false and setting leaves the keyboard alone.
#pragma once

#include <QObject>

namespace d7 {

class KeyboardLock : public QObject {
    Q_OBJECT
public:
    explicit KeyboardLock(QObject *parent = nullptr);

    bool capsLock() const;
    bool numLock() const;
    bool scrollLock() const;
    // A lock is toggled only when its state differs from the wanted one.
    void setCapsLock(bool on);
    void setNumLock(bool on);
    void setScrollLock(bool on);

    // Whether this platform lets the program reach the keyboard at all.
    static bool available();
    // How many times a lock was actually changed (no change: no count).
    int changeCount() const { return m_changes; }

private:
    enum class Lock { Caps, Num, Scroll };
    static bool read(Lock lock);
    void write(Lock lock, bool on);
    int m_changes = 0;
};

}  // namespace d7
