// Qt has no lock-state query: a lock key press flips its indicator, and on X11 the key events'
// native modifier mask (Lock = 0x02, Mod2 = NumLock = 0x10) corrects caps and num at every key.
#include "app/LockIndicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace orv {

namespace {

constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

QLabel* indicator(QStatusBar* bar)
{
    auto* label = new QLabel(bar);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* bar)
    : QObject(bar),
      m_capsLabel(indicator(bar)),
      m_numLabel(indicator(bar)),
      m_scrollLabel(indicator(bar))
{
    qApp->installEventFilter(this);
    show();
}

LockIndicators::~LockIndicators()
{
    qApp->removeEventFilter(this);
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event)
{
    // A key event reaches the filter once per widget it propagates to; only the first counts.
    if (event->type() != QEvent::KeyPress)
        return false;
    const QWidget* focus = QApplication::focusWidget();
    if (focus ? watched != focus : !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return false;
    switch (key->key()) {
    case Qt::Key_CapsLock: m_caps = !m_caps; break;
    case Qt::Key_NumLock: m_num = !m_num; break;
    case Qt::Key_ScrollLock: m_scroll = !m_scroll; break;
    default:
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            m_caps = (key->nativeModifiers() & kX11LockMask) != 0;
            m_num = (key->nativeModifiers() & kX11NumLockMask) != 0;
        }
        break;
    }
    show();
    return false;
}

void LockIndicators::show()
{
    // An indicator whose lock is off is an empty box of the same width.
    m_capsLabel->setText(m_caps ? QStringLiteral("CAP") : QString());
    m_numLabel->setText(m_num ? QStringLiteral("NUM") : QString());
    m_scrollLabel->setText(m_scroll ? QStringLiteral("SCRL") : QString());
}

} // namespace orv
