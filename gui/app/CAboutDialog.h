// The About box: the picture, the version, the credits and links to the maker's pages.
#pragma once

#include <QDialog>

namespace orv {

class CLinkLabel;

class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    QList<CLinkLabel*> links() const;
};

} // namespace orv
