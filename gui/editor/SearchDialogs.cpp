// The controls of the Find and Replace dialogs, wired to the sessions that decide.
#include "editor/SearchDialogs.h"

#include "editor/CTextEditView.h"
#include "framework/ByteText.h"
#include "framework/Prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orv {

namespace {

// Controls are named by their resource ids, so tests and tools find them.
template <typename Control>
Control* named(Control* control, int id)
{
    control->setObjectName(QString::number(id));
    return control;
}

QLineEdit* labelledEdit(QGridLayout* grid, int row, const char* label, int id, const std::string& text)
{
    auto* edit = named(new QLineEdit(textFromUtf8(text)), id);
    auto* caption = new QLabel(QString::fromLatin1(label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QPushButton* button(const char* text, int id)
{
    auto* b = new QPushButton(QString::fromLatin1(text));
    if (id)
        b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

} // namespace

CFindDialog::CFindDialog(CTextView& view, Profile& profile, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_view(view), m_profile(profile), m_prompts(prompts), m_session(view.model(), profile)
{
    setObjectName(QStringLiteral("8601"));
    setWindowTitle(QStringLiteral("Find"));
    auto* grid = new QGridLayout;
    m_findWhat = labelledEdit(grid, 0, "Fi&nd what:", 8605, m_session.values.findWhat);
    m_wholeWord = named(new QCheckBox(QStringLiteral("Match &whole word only")), 8603);
    m_matchCase = named(new QCheckBox(QStringLiteral("Match &case")), 8604);
    m_wholeWord->setChecked(m_session.values.wholeWord);
    m_matchCase->setChecked(m_session.values.matchCase);
    auto* direction = new QGroupBox(QStringLiteral("Direction"));
    m_up = named(new QRadioButton(QStringLiteral("&Up")), 8611);
    m_down = named(new QRadioButton(QStringLiteral("&Down")), 8612);
    (m_session.up ? m_up : m_down)->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    options->addLayout(checks);
    options->addWidget(direction);
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(options);
    m_findNext = button("&Find Next", 0);
    m_findNext->setDefault(true);
    auto* cancel = button("Cancel", 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* all = new QHBoxLayout(this);
    all->addLayout(left);
    all->addLayout(buttons);

    const auto enable = [this] { m_findNext->setEnabled(!m_findWhat->text().isEmpty()); };
    connect(m_findWhat, &QLineEdit::textChanged, this, enable);
    enable();
    connect(m_findNext, &QPushButton::clicked, this, &CFindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_view.setSelectionKeptShown(true);
}

CFindDialog::~CFindDialog()
{
    m_view.setSelectionKeptShown(false);
}

void CFindDialog::takeValues()
{
    m_session.values.findWhat = textToUtf8(m_findWhat->text());
    m_session.values.wholeWord = m_wholeWord->isChecked();
    m_session.values.matchCase = m_matchCase->isChecked();
    m_session.up = m_up->isChecked();
}

void CFindDialog::findNext()
{
    takeValues();
    const SearchOutcome outcome = m_session.findNext();
    m_view.afterCursorMove();
    if (outcome.found)
        accept();
    else
        m_prompts.showMessage(textFromUtf8(outcome.message));
}

void CFindDialog::done(int result)
{
    takeValues();
    m_session.close(m_profile);
    QDialog::done(result);
}

CReplaceDialog::CReplaceDialog(CTextEditView& view, Profile& profile, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_view(view), m_profile(profile), m_prompts(prompts), m_session(view.edit(), profile)
{
    setObjectName(QStringLiteral("8602"));
    setWindowTitle(QStringLiteral("Replace"));
    auto* grid = new QGridLayout;
    m_findWhat = labelledEdit(grid, 0, "Fi&nd what:", 8605, m_session.values.findWhat);
    m_replaceWith = labelledEdit(grid, 1, "Re&place with:", 8609, m_session.values.replaceWith);
    m_wholeWord = named(new QCheckBox(QStringLiteral("Match &whole word only")), 8603);
    m_matchCase = named(new QCheckBox(QStringLiteral("Match &case")), 8604);
    m_wholeWord->setChecked(m_session.values.wholeWord);
    m_matchCase->setChecked(m_session.values.matchCase);
    auto* scope = new QGroupBox(QStringLiteral("Replace in"));
    m_selection = named(new QRadioButton(QStringLiteral("&Selection")), 8613);
    m_wholeFile = named(new QRadioButton(QStringLiteral("Wh&ole file")), 8614);
    m_selection->setEnabled(m_session.selectionScopeEnabled());
    (m_session.scope() == ReplaceScope::selection ? m_selection : m_wholeFile)->setChecked(true);
    auto* scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(m_selection);
    scopeLayout->addWidget(m_wholeFile);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    options->addLayout(checks);
    options->addWidget(scope);
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(options);
    m_findNext = button("&Find Next", 8610);
    m_findNext->setDefault(true);
    m_replace = button("&Replace", 8607);
    m_replaceAll = button("Replace &All", 8608);
    auto* cancel = button("Cancel", 0);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_findNext, m_replace, m_replaceAll, cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* all = new QHBoxLayout(this);
    all->addLayout(left);
    all->addLayout(buttons);

    // Nothing can be found, nor replaced, without a text to find.
    const auto enable = [this] {
        const bool any = !m_findWhat->text().isEmpty();
        m_findNext->setEnabled(any);
        m_replace->setEnabled(any);
        m_replaceAll->setEnabled(any);
    };
    connect(m_findWhat, &QLineEdit::textChanged, this, enable);
    enable();
    connect(m_selection, &QRadioButton::toggled, this, [this](bool on) {
        m_session.setScope(on ? ReplaceScope::selection : ReplaceScope::wholeFile);
    });
    connect(m_findNext, &QPushButton::clicked, this, [this] {
        takeValues();
        report(m_session.findNext());
    });
    connect(m_replace, &QPushButton::clicked, this, [this] {
        takeValues();
        report(m_session.replace());
    });
    connect(m_replaceAll, &QPushButton::clicked, this, [this] {
        takeValues();
        report(m_session.replaceAll());
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_view.setSelectionKeptShown(true);
}

CReplaceDialog::~CReplaceDialog()
{
    m_view.setSelectionKeptShown(false);
}

void CReplaceDialog::takeValues()
{
    m_session.values.findWhat = textToUtf8(m_findWhat->text());
    m_session.values.replaceWith = textToUtf8(m_replaceWith->text());
    m_session.values.wholeWord = m_wholeWord->isChecked();
    m_session.values.matchCase = m_matchCase->isChecked();
}

void CReplaceDialog::report(const SearchOutcome& outcome)
{
    m_view.afterCursorMove();
    if (!outcome.found && !outcome.message.empty())
        m_prompts.showMessage(textFromUtf8(outcome.message));
}

void CReplaceDialog::done(int result)
{
    takeValues();
    m_session.close(m_profile);
    m_view.afterCursorMove(false);
    QDialog::done(result);
}

} // namespace orv
