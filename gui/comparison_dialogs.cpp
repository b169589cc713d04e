#include "gui/comparison_dialogs.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/conversions.h"

namespace tz::gui {

using presenter::ComparisonChoice;

namespace {

// The marking of differing cells: a warm background that reads in light and
// dark palettes alike, with dark text.
const QColor kMarkedCell(255, 214, 140);
const QColor kMarkedText(20, 20, 20);

QPushButton* addButton(QHBoxLayout* row, QDialog* dialog, const std::string& caption,
                       const char* name) {
    auto* button = new QPushButton(toQString(caption), dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QTreeWidget* differenceTree(const presenter::ComparisonModel& model, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QStringLiteral("differences"));
    tree->setColumnCount(3);
    tree->setHeaderLabels({toQString(model.settingHeader), toQString(model.windowHeader),
                           toQString(model.otherHeader)});
    tree->setRootIsDecorated(false);
    tree->setSelectionMode(QAbstractItemView::NoSelection);
    tree->setUniformRowHeights(true);
    for (const presenter::DifferenceGroup& group : model.groups) {
        auto* page = new QTreeWidgetItem(tree, {toQString(group.page)});
        page->setFirstColumnSpanned(true);
        QFont bold = page->font(0);
        bold.setBold(true);
        page->setFont(0, bold);
        for (const presenter::DifferenceRow& row : group.rows) {
            auto* item = new QTreeWidgetItem(
                page, {toQString(row.name), toQString(row.window), toQString(row.other)});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        page->setExpanded(true);
    }
    tree->header()->setStretchLastSection(false);
    tree->header()->setMinimumSectionSize(90);
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    return tree;
}

QTableWidget* gridTable(const presenter::ComparisonGrid& grid, int number, QWidget* parent) {
    const int rows = static_cast<int>(grid.cells.size());
    const int columns = static_cast<int>(grid.columnHeaders.size());
    auto* table = new QTableWidget(rows, columns, parent);
    table->setObjectName(QStringLiteral("grid%1").arg(number));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList rowHeaders, columnHeaders;
    for (const std::string& h : grid.rowHeaders) rowHeaders << toQString(h);
    for (const std::string& h : grid.columnHeaders) columnHeaders << toQString(h);
    table->setVerticalHeaderLabels(rowHeaders);
    table->setHorizontalHeaderLabels(columnHeaders);
    for (int r = 0; r < rows; ++r) {
        const auto& cells = grid.cells[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
            const presenter::ComparisonGridCell& cell = cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(toQString(cell.text));
            item->setTextAlignment(Qt::AlignCenter);
            if (cell.differs) {
                item->setBackground(kMarkedCell);
                item->setForeground(kMarkedText);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table->setItem(r, c, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(48);
    // Rows of one height, whether their cells are marked in bold or not.
    QFont bold = table->font();
    bold.setBold(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(bold).height() + 8);
    return table;
}

int markedCells(const presenter::ComparisonGrid& grid) {
    int n = 0;
    for (const auto& row : grid.cells)
        for (const presenter::ComparisonGridCell& cell : row) n += cell.differs ? 1 : 0;
    return n;
}

}  // namespace

ComparisonDialog::ComparisonDialog(const presenter::ComparisonModel& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(model.title));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);

    auto* summary = new QLabel(toQString(model.summary), this);
    summary->setObjectName(QStringLiteral("summary"));
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    layout->addWidget(summary);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    if (!model.groups.empty())
        tabs->addTab(differenceTree(model, tabs), toQString(model.differencesTab));
    for (std::size_t i = 0; i < model.grids.size(); ++i) {
        const presenter::ComparisonGrid& grid = model.grids[i];
        auto* page = new QWidget(tabs);
        auto* pageLayout = new QVBoxLayout(page);
        const int marked = markedCells(grid);
        if (marked > 0) {
            auto* legend = new QLabel(toQString(model.legend), page);
            legend->setWordWrap(true);
            pageLayout->addWidget(legend);
        }
        pageLayout->addWidget(gridTable(grid, static_cast<int>(i), page));
        QString title = toQString(grid.title);
        if (marked > 0) title += QStringLiteral(" (%1)").arg(marked);
        tabs->addTab(page, title);
    }
    layout->addWidget(tabs, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (model.groups.empty()) {
        QPushButton* close = addButton(buttons, this, model.close, "close");
        close->setDefault(true);
        connect(close, &QPushButton::clicked, this,
                [this] { choose(ComparisonChoice::KeepWindow); });
    } else {
        connect(addButton(buttons, this, model.takeOther, "takeOther"), &QPushButton::clicked, this,
                [this] { choose(ComparisonChoice::TakeOther); });
        if (!model.programUnit.empty())
            connect(addButton(buttons, this, model.programUnit, "programUnit"),
                    &QPushButton::clicked, this, [this] { choose(ComparisonChoice::ProgramUnit); });
        QPushButton* keep = addButton(buttons, this, model.keepWindow, "keepWindow");
        keep->setDefault(true);
        connect(keep, &QPushButton::clicked, this,
                [this] { choose(ComparisonChoice::KeepWindow); });
    }
    layout->addLayout(buttons);
    resize(820, 560);
}

void ComparisonDialog::choose(ComparisonChoice choice) {
    choice_ = choice;
    if (choice == ComparisonChoice::KeepWindow)
        reject();
    else
        accept();
}

RestorePointDialog::RestorePointDialog(const presenter::RestorePointListModel& model,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(model.title));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* folder = new QLabel(toQString(model.folder), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    layout->addWidget(folder);

    const int rows = static_cast<int>(model.rows.size());
    table_ = new QTableWidget(rows, 4, this);
    table_->setObjectName(QStringLiteral("points"));
    table_->setHorizontalHeaderLabels({toQString(model.timeHeader),
                                       toQString(model.operationHeader),
                                       toQString(model.unitHeader), toQString(model.sameHeader)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    // Tab moves on to the buttons; the arrow keys move between the rows.
    table_->setTabKeyNavigation(false);
    for (int r = 0; r < rows; ++r) {
        const presenter::RestorePointRow& row = model.rows[static_cast<std::size_t>(r)];
        const std::string texts[] = {row.time, row.operation, row.unit, row.sameAsWindow};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(toQString(texts[c]));
            if (row.same) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    if (rows == 0) {
        table_->hide();
        auto* empty = new QLabel(toQString(model.empty), this);
        empty->setObjectName(QStringLiteral("empty"));
        empty->setWordWrap(true);
        layout->addWidget(empty, 1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* open = addButton(buttons, this, model.open, "open");
    open->setEnabled(false);
    open->setDefault(true);
    auto* close = addButton(buttons, this, model.close, "close");
    layout->addLayout(buttons);

    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this, open] { open->setEnabled(!table_->selectedItems().isEmpty()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });
    connect(open, &QPushButton::clicked, this, [this] { openSelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    if (rows > 0) table_->selectRow(0);
    resize(640, 420);
}

void RestorePointDialog::openSelected() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty()) return;
    chosen_ = static_cast<std::size_t>(selected.first()->row());
    accept();
}

ComparisonChoice QtComparisonDialogs::showComparison(const presenter::ComparisonModel& model) {
    ComparisonDialog dialog(model, &parent_);
    dialog.exec();
    return dialog.choice();
}

std::optional<std::size_t> QtComparisonDialogs::chooseRestorePoint(
    const presenter::RestorePointListModel& model) {
    RestorePointDialog dialog(model, &parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

bool QtComparisonDialogs::askYesNo(std::string_view text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), toQString(text),
                    QMessageBox::Yes | QMessageBox::No, &parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace tz::gui
