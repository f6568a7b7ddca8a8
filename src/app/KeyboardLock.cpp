#include "app/KeyboardLock.h"

#include <QGuiApplication>

#ifdef D7_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace d7 {

namespace {

#ifdef D7_HAVE_X11
Display *x11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

unsigned int modifierMask(Display *display, bool caps) {
    return caps ? LockMask : XkbKeysymToModifiers(display, XK_Num_Lock);
}
#endif

}  // namespace

KeyboardLock::KeyboardLock(QObject *parent) : QObject(parent) { setObjectName(QStringLiteral("KeyLed1")); }

bool KeyboardLock::available() {
#ifdef D7_HAVE_X11
    return x11Display() != nullptr;
#else
    return false;
#endif
}

bool KeyboardLock::read(Lock lock) {
#ifdef D7_HAVE_X11
    Display *display = x11Display();
    if (!display)
        return false;
    if (lock == Lock::Scroll) {
        Bool on = False;
        const Atom name = XInternAtom(display, "Scroll Lock", False);
        XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr);
        return on;
    }
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & modifierMask(display, lock == Lock::Caps)) != 0;
#else
    Q_UNUSED(lock);
    return false;
#endif
}

void KeyboardLock::write(Lock lock, bool on) {
#ifdef D7_HAVE_X11
    Display *display = x11Display();
    if (!display || read(lock) == on)
        return;
    if (lock == Lock::Scroll) {
        const Atom name = XInternAtom(display, "Scroll Lock", False);
        XkbSetNamedIndicator(display, name, True, on, False, nullptr);
    } else {
        const unsigned int mask = modifierMask(display, lock == Lock::Caps);
        XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    }
    XSync(display, False);
    ++m_changes;
#else
    Q_UNUSED(lock);
    Q_UNUSED(on);
#endif
}

bool KeyboardLock::capsLock() const { return read(Lock::Caps); }
bool KeyboardLock::numLock() const { return read(Lock::Num); }
bool KeyboardLock::scrollLock() const { return read(Lock::Scroll); }
void KeyboardLock::setCapsLock(bool on) { write(Lock::Caps, on); }
void KeyboardLock::setNumLock(bool on) { write(Lock::Num, on); }
void KeyboardLock::setScrollLock(bool on) { write(Lock::Scroll, on); }

}  // namespace d7
