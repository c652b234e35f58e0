// A hyperlink label: underlined blue text, the hand cursor over the text, opens its address on a
// left click.
#pragma once

#include <QUrl>
#include <QWidget>

namespace orv {

class CLinkLabel : public QWidget {
    Q_OBJECT

public:
    CLinkLabel(const QString& text, const QUrl& address, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    const QUrl& address() const { return m_address; }
    // The rectangle the text covers, from the top left corner.
    QRect textRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QFont linkFont() const;

    QString m_text;
    QUrl m_address;
};

} // namespace orv
