#include "utilities/vexmora_hex_tools.h"
#include "ui_vexmora_hex_tools.h"

#include "terminals/file_dialogs.h"
#include "terminals/terminal_files.h"
#include "utilities/diff_widget.h"
#include "utilities/hex_bytes.h"
#include "utilities/hex_item_delegate.h"
#include "utilities/hex_table_model.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

namespace {

const char *const FileFilter = "Binary Files (*.bin);;All Files (*)";

} // namespace

vexmora_hex_tools::vexmora_hex_tools(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::vexmora_hex_tools)
{
    ui->setupUi(this);

    ui->addressInput->setPlaceholderText(tr("Enter address (hex)"));
    ui->searchInput->setPlaceholderText(tr("Search (hex)"));
    ui->tableView1->hide();
    ui->tableView2->hide();
    ui->saveFiel1pushButton->hide();
    ui->saveFiel2pushButton->hide();

    const QFont mono(QStringLiteral("Monospace"), 12);
    ui->tableView1->setFont(mono);
    ui->tableView2->setFont(mono);

    connect(ui->openFile1Button, &QPushButton::clicked, this, [this] { on_openFile1Button_clicked(); });
    connect(ui->openFile2Button, &QPushButton::clicked, this, [this] { on_openFile2Button_clicked(); });
    connect(ui->gotoButton, &QPushButton::clicked, this, &vexmora_hex_tools::onGotoButton_clicked);
    connect(ui->prevButton, &QPushButton::clicked, this, &vexmora_hex_tools::onPrevButtonClicked);
    connect(ui->nextButton, &QPushButton::clicked, this, &vexmora_hex_tools::onNextButtonClicked);
    connect(ui->searchInput, &QLineEdit::returnPressed, this, &vexmora_hex_tools::onSearchInputReturnPressed);
    connect(ui->searchInput, &QLineEdit::textChanged, this, &vexmora_hex_tools::performSearch);
    connect(ui->saveFiel1pushButton, &QPushButton::clicked, this, [this] { saveFile(1); });
    connect(ui->saveFiel2pushButton, &QPushButton::clicked, this, [this] { saveFile(2); });

    diffWidget = new DiffWidget(this);
    diffWidget->setObjectName(QStringLiteral("diffWidget"));
    ui->horizontalLayout_2->addWidget(diffWidget);
    connect(diffWidget, &DiffWidget::jumpToRow, this, &vexmora_hex_tools::onJumpToRow);

    // Hosted in a tab, this widget never sees the main window close: watch
    // the top-level window so unsaved edits are asked about there too.
    if (parentWidget()) {
        topLevel = parentWidget()->window();
        topLevel->installEventFilter(this);
    }
}

vexmora_hex_tools::~vexmora_hex_tools()
{
    if (topLevel)
        topLevel->removeEventFilter(this);
    // The views go with the form; detach them before their models go.
    ui->tableView1->setModel(nullptr);
    ui->tableView2->setModel(nullptr);
    delete itemDelegate;
    delete model1;
    delete model2;
    delete ui;
}

HexTableModel *vexmora_hex_tools::model(int side) const
{
    return side == 1 ? model1 : side == 2 ? model2 : nullptr;
}

bool vexmora_hex_tools::isModified(int side) const
{
    return side == 1 ? modified1 : side == 2 ? modified2 : false;
}

void vexmora_hex_tools::on_openFile1Button_clicked()
{
    openFile(1);
}

void vexmora_hex_tools::on_openFile2Button_clicked()
{
    openFile(2);
}

void vexmora_hex_tools::openFile(int side)
{
    const QString path = FileDialogs::getOpenFileName(this, side == 1 ? QStringLiteral("Open File 1")
                                                                      : QStringLiteral("Open File 2"),
                                                      QString(), QString::fromLatin1(FileFilter));
    (side == 1 ? filePath1 : filePath2) = path;
    if (!path.isEmpty()) {
        load(side, path);
        return;
    }
    if (model1 && model2) {
        diffWidget->setModels(model1, model2);
        updateDiffWidget(ui->tableView1);
    }
}

bool vexmora_hex_tools::load(int side, const QString &path)
{
    if (side != 1 && side != 2)
        return false;
    const QFileInfo info(path);
    QString reason;
    QByteArray bytes;
    if (!info.exists()) {
        reason = QStringLiteral("the file does not exist");
    } else if (info.isDir()) {
        reason = QStringLiteral("it is a folder");
    } else if (!info.isFile()) {
        reason = QStringLiteral("it is not a regular file");
    } else if (info.size() > HexBytes::MaxFileSize) {
        reason = QStringLiteral("it is larger than 1 GiB");
    } else {
        switch (TerminalFiles::readLimited(path, HexBytes::MaxFileSize, &bytes, nullptr)) {
        case TerminalFiles::LoadResult::Ok:
            break;
        case TerminalFiles::LoadResult::TooLarge:
            reason = QStringLiteral("it is larger than 1 GiB");
            break;
        case TerminalFiles::LoadResult::OpenFailed:
            reason = QStringLiteral("it cannot be opened for reading");
            break;
        }
    }
    if (!reason.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Warning"),
                             QStringLiteral("Cannot load %1: %2.").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }

    QTableView *view = side == 1 ? ui->tableView1 : ui->tableView2;
    view->show();
    (side == 1 ? ui->saveFiel1pushButton : ui->saveFiel2pushButton)->show();
    (side == 1 ? ui->openFile1Button : ui->openFile2Button)->hide();
    (side == 1 ? filePath1 : filePath2) = path;
    QString &name = side == 1 ? fileName1 : fileName2;
    name = info.fileName();
    (side == 1 ? ui->groupBox_1 : ui->groupBox_2)->setTitle(name);

    HexTableModel *&slot = side == 1 ? model1 : model2;
    HexTableModel *old = slot;
    slot = new HexTableModel(bytes);
    // Hits and highlights of a replaced model point into it: drop them first.
    if (old) {
        searchResults.clear();
        currentSearchIndex = -1;
        delete itemDelegate;
        itemDelegate = nullptr;
        diffWidget->setModels(nullptr, nullptr);
        diffWidget->setSearchResults({});
    }
    view->setModel(slot);
    delete old;

    updateItemDelegate();
    connectModelSignals();
    QTimer::singleShot(0, this, [this, view] { adjustTableViewColumns(view); });
    linkScrollBars();
    linkSelectionModels();
    (side == 1 ? modified1 : modified2) = false;

    if (model1 && model2) {
        diffWidget->setModels(model1, model2);
        updateDiffWidget(ui->tableView1);
    }
    if (old && !ui->searchInput->text().isEmpty())
        performSearch();
    return true;
}

void vexmora_hex_tools::updateItemDelegate()
{
    if (!model1 || !model2)
        return;
    auto *fresh = new HexItemDelegate(model1, model2);
    ui->tableView1->setItemDelegate(fresh);
    ui->tableView2->setItemDelegate(fresh);
    delete itemDelegate;
    itemDelegate = fresh;
    connectModelSignals();
}

// Edits count from the first load on, with or without the second file.
void vexmora_hex_tools::connectModelSignals()
{
    if (model1)
        connect(model1, &HexTableModel::dataChanged, this, &vexmora_hex_tools::markModified1, Qt::UniqueConnection);
    if (model2)
        connect(model2, &HexTableModel::dataChanged, this, &vexmora_hex_tools::markModified2, Qt::UniqueConnection);
}

void vexmora_hex_tools::markModified1(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                      const QList<int> &roles)
{
    markModified(1, topLeft, bottomRight, roles);
}

void vexmora_hex_tools::markModified2(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                      const QList<int> &roles)
{
    markModified(2, topLeft, bottomRight, roles);
}

void vexmora_hex_tools::markModified(int side, const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                     const QList<int> &roles)
{
    QTableView *own = side == 1 ? ui->tableView1 : ui->tableView2;
    QTableView *other = side == 1 ? ui->tableView2 : ui->tableView1;
    if (itemDelegate)
        itemDelegate->updateCell(topLeft, own, other);
    // The delegate's repaint notice: one cell, no roles (or the edit role only).
    const bool repaintOnly = topLeft == bottomRight
        && (roles.isEmpty() || (roles.size() == 1 && roles.first() == Qt::EditRole));
    if (repaintOnly)
        return;
    (side == 1 ? modified1 : modified2) = true;
    changesPending = true;
}

void vexmora_hex_tools::adjustTableViewColumns(QTableView *view)
{
    if (!view->model())
        return;
    view->resizeColumnToContents(0);
    QHeaderView *header = view->horizontalHeader();
    for (int column = 1; column < HexBytes::ColumnCount; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        view->setColumnWidth(column, column < HexBytes::FirstCharColumn ? 35 : 30);
    }
}

void vexmora_hex_tools::linkScrollBars()
{
    if (scrollLinked)
        return;
    scrollLinked = true;
    QScrollBar *bar1 = ui->tableView1->verticalScrollBar();
    QScrollBar *bar2 = ui->tableView2->verticalScrollBar();
    // The shorter table clamps the value it is given; without the guard its
    // clamped value would come back and pin the longer table.
    auto follow = [this](QScrollBar *other, QTableView *view) {
        return [this, other, view](int value) {
            if (!syncingScroll) {
                syncingScroll = true;
                other->setValue(value);
                syncingScroll = false;
            }
            updateDiffWidget(view);
        };
    };
    connect(bar1, &QScrollBar::valueChanged, this, follow(bar2, ui->tableView1));
    connect(bar2, &QScrollBar::valueChanged, this, follow(bar1, ui->tableView2));
}

void vexmora_hex_tools::updateDiffWidget(QTableView *view)
{
    if (!diffWidget || !model1 || !model2)
        return;
    int top = view->rowAt(0);
    int bottom = view->rowAt(view->viewport()->height() - 1);
    if (top < 0)
        top = 0;
    if (bottom < 0)
        bottom = qMax(model1->rowCount(), model2->rowCount());
    diffWidget->setVisibleRows(top, bottom);
}

void vexmora_hex_tools::linkSelectionModels()
{
    for (const QMetaObject::Connection &link : std::as_const(selectionLinks))
        disconnect(link);
    selectionLinks.clear();
    QItemSelectionModel *sel1 = ui->tableView1->selectionModel();
    QItemSelectionModel *sel2 = ui->tableView2->selectionModel();
    if (!sel1 || !sel2)
        return;
    selectionLinks << connect(sel1, &QItemSelectionModel::selectionChanged, this,
                              [this](const QItemSelection &selected, const QItemSelection &deselected) {
                                  mirrorSelection(selected, deselected, ui->tableView2);
                              });
    selectionLinks << connect(sel2, &QItemSelectionModel::selectionChanged, this,
                              [this](const QItemSelection &selected, const QItemSelection &deselected) {
                                  mirrorSelection(selected, deselected, ui->tableView1);
                              });
}

namespace {

// The same rows and columns in the other table's own model, clipped to its rows.
QItemSelection mapped(const QItemSelection &selection, QAbstractItemModel *model)
{
    QItemSelection result;
    const int lastRow = model->rowCount() - 1;
    for (const QItemSelectionRange &range : selection) {
        if (range.top() > lastRow)
            continue;
        result.select(model->index(range.top(), range.left()),
                      model->index(qMin(range.bottom(), lastRow), range.right()));
    }
    return result;
}

} // namespace

void vexmora_hex_tools::mirrorSelection(const QItemSelection &selected, const QItemSelection &deselected,
                                        QTableView *other)
{
    if (syncingSelection)
        return;
    syncingSelection = true;
    QItemSelectionModel *otherSelection = other->selectionModel();
    if (otherSelection && other->model()) {
        otherSelection->select(mapped(selected, other->model()), QItemSelectionModel::Select);
        otherSelection->select(mapped(deselected, other->model()), QItemSelectionModel::Deselect);
    }
    syncingSelection = false;
    if (itemDelegate) {
        if (!selected.isEmpty())
            itemDelegate->highlight(selected.first().topLeft());
        else if (deselected.isEmpty())
            itemDelegate->highlight(QModelIndex());
    }
    repaintTables();
}

void vexmora_hex_tools::repaintTables()
{
    ui->tableView1->viewport()->update();
    ui->tableView2->viewport()->update();
}

int vexmora_hex_tools::hexStringToInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    return ok ? value : -1;
}

void vexmora_hex_tools::onGotoButton_clicked()
{
    if (!model1) {
        QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("No file 1 loaded."));
        return;
    }
    const int address = hexStringToInt(ui->addressInput->text());
    if (address == -1) {
        QMessageBox::warning(this, QStringLiteral("Invalid Address"),
                             QStringLiteral("Please enter a valid hexadecimal address."));
        return;
    }
    gotoAddress(address);
}

void vexmora_hex_tools::onJumpToRow(int row)
{
    gotoAddress(row * HexBytes::BytesPerRow);
}

void vexmora_hex_tools::gotoAddress(int address)
{
    if (!model1)
        return;
    const int row = address / HexBytes::BytesPerRow;
    if (row >= model1->rowCount())
        return;
    auto show = [row](QTableView *view, HexTableModel *model) {
        view->scrollTo(model->index(row, 0), QAbstractItemView::PositionAtTop);
        view->clearSelection();
        view->selectRow(row);
    };
    show(ui->tableView1, model1);
    if (model2 && row < model2->rowCount())
        show(ui->tableView2, model2);
}

void vexmora_hex_tools::clearSearchMarks()
{
    if (itemDelegate)
        itemDelegate->highlight(QModelIndex());
    repaintTables();
    diffWidget->setSearchResults({});
}

void vexmora_hex_tools::performSearch()
{
    searchResults.clear();
    currentSearchIndex = -1;
    const QString text = ui->searchInput->text();
    if (text.isEmpty()) {
        clearSearchMarks();
        return;
    }
    if (model1) {
        searchResults = model1->search(text, 0, MaxSearchHits);
        if (model2)
            searchResults += model2->search(text, 0, MaxSearchHits - searchResults.size());
    }
    if (searchResults.isEmpty()) {
        clearSearchMarks();
        return;
    }
    currentSearchIndex = 0;
    highlightCurrentSearchResult();
    diffWidget->setSearchResults(searchResults);
}

void vexmora_hex_tools::highlightCurrentSearchResult()
{
    if (currentSearchIndex < 0 || currentSearchIndex >= searchResults.size())
        return;
    const QModelIndex hit = searchResults.at(currentSearchIndex);
    const int row = hit.row();
    for (auto [view, model] : {std::pair{ui->tableView1, model1}, std::pair{ui->tableView2, model2}}) {
        if (!model || row >= model->rowCount())
            continue;
        view->clearSelection();
        view->selectRow(row);
        view->scrollTo(model->index(row, 0), QAbstractItemView::PositionAtCenter);
    }
    if (itemDelegate)
        itemDelegate->highlight(hit);
    repaintTables();
}

void vexmora_hex_tools::onNextButtonClicked()
{
    if (searchResults.isEmpty())
        performSearch();
    if (searchResults.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Search"), QStringLiteral("No results found."));
        return;
    }
    currentSearchIndex = int((currentSearchIndex + 1) % searchResults.size());
    highlightCurrentSearchResult();
}

void vexmora_hex_tools::onPrevButtonClicked()
{
    if (searchResults.isEmpty())
        performSearch();
    if (searchResults.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Search"), QStringLiteral("No results found."));
        return;
    }
    const int count = int(searchResults.size());
    currentSearchIndex = (currentSearchIndex + count - 1) % count;
    highlightCurrentSearchResult();
}

void vexmora_hex_tools::onSearchInputReturnPressed()
{
    performSearch();
    if (searchResults.isEmpty())
        QMessageBox::information(this, QStringLiteral("Search"), QStringLiteral("No results found."));
}

void vexmora_hex_tools::saveFile(int which)
{
    if (which != 1 && which != 2)
        return;
    HexTableModel *m = model(which);
    const QString &path = which == 1 ? filePath1 : filePath2;
    if (m && !path.isEmpty())
        writeTo(which, path);
    else
        saveFileAs(which);
}

void vexmora_hex_tools::saveFileAs(int which)
{
    if (which != 1 && which != 2)
        return;
    if (!model(which)) {
        QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Model is not initialized."));
        return;
    }
    const QString path = FileDialogs::getSaveFileName(this, which == 1 ? QStringLiteral("Save File 1 As")
                                                                       : QStringLiteral("Save File 2 As"),
                                                      QString(), QString::fromLatin1(FileFilter));
    if (path.isEmpty())
        return;
    (which == 1 ? filePath1 : filePath2) = path;
    writeTo(which, path);
}

bool vexmora_hex_tools::writeTo(int side, const QString &path)
{
    HexTableModel *m = model(side);
    if (!m)
        return false;
    switch (TerminalFiles::saveBytes(path, m->getByteArray(), nullptr)) {
    case TerminalFiles::SaveResult::OpenFailed:
        QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Failed to open file for writing."));
        return false;
    case TerminalFiles::SaveResult::WriteFailed:
        QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Failed to write to file."));
        return false;
    case TerminalFiles::SaveResult::Ok:
        break;
    }
    (side == 1 ? modified1 : modified2) = false;
    QMessageBox::information(this, QStringLiteral("Save"), QStringLiteral("File saved successfully."));
    return true;
}

bool vexmora_hex_tools::checkAndSaveModifiedFiles()
{
    if (!changesPending)
        return false;
    for (int side : {1, 2}) {
        if (!isModified(side))
            continue;
        const auto answer = QMessageBox::question(
            this, tr("Save Changes"),
            tr("File %1 has been modified.\nDo you want to save your changes?").arg(side == 1 ? fileName1 : fileName2),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::No)
            continue;
        // Cancel, or the box dismissed without an answer, keeps the edits.
        if (answer != QMessageBox::Yes)
            return true;
        saveFile(side);
        // A save that failed keeps the window open, edits and all.
        if (isModified(side))
            return true;
    }
    return false;
}

void vexmora_hex_tools::closeEvent(QCloseEvent *event)
{
    if (checkAndSaveModifiedFiles())
        event->ignore();
    else
        event->accept();
}

bool vexmora_hex_tools::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == topLevel && topLevel != this && event->type() == QEvent::Close) {
        if (checkAndSaveModifiedFiles()) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
