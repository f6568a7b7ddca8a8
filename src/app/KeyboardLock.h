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

// Caps Lock off while it lives, as it was afterwards: for what must be typed
// as it is (a server's address, a password), which capitals would spoil.
class CapsLockReleased {
public:
    explicit CapsLockReleased(KeyboardLock &lock) : m_lock(lock), m_wasOn(lock.capsLock()) { lock.setCapsLock(false); }
    ~CapsLockReleased() { m_lock.setCapsLock(m_wasOn); }
    CapsLockReleased(const CapsLockReleased &) = delete;
    CapsLockReleased &operator=(const CapsLockReleased &) = delete;

private:
    KeyboardLock &m_lock;
    bool m_wasOn;
};

}  // namespace d7
