// The splash listens to the whole application so that any press ends it; that press is swallowed.
// It holds the keyboard while it shows: a window manager need not give a splash the focus,
// and no other window of the application is shown yet to receive the key.
#include "app/CSplashDialog.h"

#include "app/AppIds.h"
#include "app/AppLogo.h"

#include <QApplication>
#include <QWindow>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace orv {

namespace {

CSplashDialog* g_current = nullptr;

constexpr int kWidth = 420;
constexpr int kHeight = 240;
// Two lines of its own rather than a word wrapped alone onto the second line.
constexpr const char* kNotice = "MEL script editor\nand UI window designer";
constexpr const char* kCopyright = "Copyright (c) Tessaly Studios";

bool endsSplash(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

CSplashDialog::CSplashDialog(QWidget* mainFrame)
    : QWidget(mainFrame, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    g_current = this;
    qApp->installEventFilter(this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashDialog::finish);
    m_timer.start(shell::kSplashMilliseconds);
}

CSplashDialog::~CSplashDialog()
{
    qApp->removeEventFilter(this);
    if (g_current == this)
        g_current = nullptr;
}

CSplashDialog* CSplashDialog::current()
{
    return g_current;
}

void CSplashDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    grabKeyboard();
}

bool CSplashDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The window system grants the keyboard only to a window on screen, which it may not
    // be yet when the splash is shown: ask again once it is exposed.
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed())
        windowHandle()->setKeyboardGrabEnabled(true);
    if (m_finished || !endsSplash(event->type()))
        return false;
    finish();
    return true;
}

void CSplashDialog::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    releaseKeyboard();
    qApp->removeEventFilter(this);
    if (g_current == this)
        g_current = nullptr;
    close();
    emit closed();
}

void CSplashDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x22, 0x2b, 0x38));
    background.setColorAt(1, QColor(0x10, 0x16, 0x20));
    p.fillRect(rect(), background);
    p.setPen(QColor(0x3b, 0x78, 0xd0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    p.drawPixmap(32, 44, appLogo(96));

    QFont title = font();
    title.setPixelSize(40);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(150, 48, 260, 50), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(shell::kAppName));

    QFont text = font();
    text.setPixelSize(15);
    p.setFont(text);
    p.setPen(QColor(0xf2, 0xc1, 0x4e));
    p.drawText(QRect(152, 100, 260, 22), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(shell::kVersionText));
    p.setPen(QColor(0xc8, 0xd2, 0xe0));
    text.setPixelSize(13);
    p.setFont(text);
    p.drawText(QRect(152, 124, 260, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromLatin1(kNotice));
    p.setPen(QColor(0x80, 0x8c, 0x9c));
    p.drawText(QRect(0, height() - 34, width(), 20), Qt::AlignCenter, QString::fromLatin1(kCopyright));
}

} // namespace orv
