// The pages in their places, the "General" page, and the record read back on OK.
#include "app/CSettingsDialog.h"

#include "app/AppIds.h"
#include "app/CommandImages.h"
#include "app/DocumentIcons.h"
#include "framework/SettingsService.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {

namespace {

constexpr int kListWidth = 141;
constexpr int kPageIconSize = 20;

QPixmap pagePicture(const SettingsPage& page, int size)
{
    if (const std::optional<MenuId> picture = page.picture())
        return documentIcon(*picture, size);
    return commandIcon(CommandId::settings).pixmap(size, size);
}

// The shell's own page: the recent file list's length and the reload at start-up.
class GeneralPage final : public SettingsPage {
public:
    int position() const override { return CSettingsDialog::general; }
    const char* title() const override { return "General"; }
    std::optional<MenuId> picture() const override { return std::nullopt; }
    void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) override
    {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("Recent files list contains"), &page));
        row->addWidget(controls.edit(FormText::recentFileCount, page));
        row->addWidget(new QLabel(QStringLiteral("files"), &page));
        row->addStretch(1);
        layout.addLayout(row);
        controls.check(SettingsFlag::reloadLastDocument, "Reload last document at startup", page);
    }
};

} // namespace

CSettingsDialog::CSettingsDialog(SettingsService& settings, Prompts& prompts, const QFont& titleFont,
                                 std::vector<std::unique_ptr<SettingsPage>> pages, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_controls(prompts), m_pages(std::move(pages)),
      m_list(new QListWidget(this)), m_stack(new QStackedWidget(this))
{
    setWindowTitle(QStringLiteral("Settings"));
    m_pages.push_back(std::make_unique<GeneralPage>());
    std::stable_sort(m_pages.begin(), m_pages.end(),
                     [](const auto& a, const auto& b) { return a->position() < b->position(); });
    m_list->setObjectName(QStringLiteral("pages"));
    m_list->setFixedWidth(kListWidth);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const auto& page : m_pages) {
        new QListWidgetItem(QIcon(pagePicture(*page, 16)), QString::fromLatin1(page->title()), m_list);
        m_stack->addWidget(makePage(*page, titleFont));
    }
    // A click and the arrow keys both move the current row; the page follows it.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_stack->setCurrentIndex(row);
    });
    m_list->setCurrentRow(general);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(m_list);
    body->addWidget(m_stack, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    m_controls.load(loadSettingsForm(m_settings.record()));
}

CSettingsDialog::~CSettingsDialog() = default;

int CSettingsDialog::currentPage() const
{
    return m_stack->currentIndex();
}

QWidget* CSettingsDialog::makePage(SettingsPage& page, const QFont& titleFont)
{
    auto* widget = new QWidget(m_stack);
    widget->setObjectName(QString::fromLatin1(page.title()));
    auto* layout = new QVBoxLayout(widget);
    auto* header = new QHBoxLayout;
    auto* picture = new QLabel(widget);
    picture->setPixmap(pagePicture(page, kPageIconSize));
    auto* title = new QLabel(QString::fromLatin1(page.title()), widget);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(titleFont);
    header->addWidget(picture);
    header->addWidget(title, 1);
    layout->addLayout(header);
    page.fill(*widget, *layout, m_controls);
    layout->addStretch(1);
    return widget;
}

void CSettingsDialog::accept()
{
    for (const auto& page : m_pages)
        page->accept();
    SettingsForm form = loadSettingsForm(m_settings.record());
    m_controls.read(form);
    SettingsRecord next = m_settings.record();
    applySettingsForm(form, next);
    // Every view hears the change: the text views take the tab size, all repaint in the colours.
    m_settings.apply(next);
    QDialog::accept();
}

} // namespace orv
