#ifndef VEXMORA_HEX_TOOLS_H
#define VEXMORA_HEX_TOOLS_H

#include <QItemSelection>
#include <QList>
#include <QModelIndex>
#include <QPointer>
#include <QWidget>

class DiffWidget;
class HexItemDelegate;
class HexTableModel;
class QTableView;
namespace Ui {
class vexmora_hex_tools;
}

// The "Hex" tab: two files side by side, compared, searched, edited in
// place and saved.
class vexmora_hex_tools : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_hex_tools(QWidget *parent = nullptr);
    ~vexmora_hex_tools() override;

    // Reads a file into side 1 or 2; refuses (with a warning) anything but a
    // readable regular file the tables can hold.
    bool load(int side, const QString &path);
    // Writes side 1 or 2 to path; the original stays untouched unless the
    // whole file was written.
    bool writeTo(int side, const QString &path);

    HexTableModel *model(int side) const;
    bool isModified(int side) const;
    const QList<QModelIndex> &hits() const { return searchResults; }
    int currentHit() const { return currentSearchIndex; }

    // Keeps a search for a common byte in a huge file within memory.
    static constexpr qsizetype MaxSearchHits = qsizetype(1) << 22;

    // Plain functions, not slots: the form's by-name wiring must not
    // connect them a second time.
    void on_openFile1Button_clicked();
    void on_openFile2Button_clicked();

public slots:
    void onGotoButton_clicked();
    void onPrevButtonClicked();
    void onNextButtonClicked();
    void onSearchInputReturnPressed();
    void performSearch();
    void onJumpToRow(int row);
    void saveFile(int which);
    void saveFileAs(int which);
    void gotoAddress(int address);
    void highlightCurrentSearchResult();
    bool checkAndSaveModifiedFiles();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void markModified1(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    void markModified2(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);

private:
    void openFile(int side);
    void updateItemDelegate();
    void connectModelSignals();
    void linkScrollBars();
    void linkSelectionModels();
    void adjustTableViewColumns(QTableView *view);
    void updateDiffWidget(QTableView *view);
    void markModified(int side, const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    void mirrorSelection(const QItemSelection &selected, const QItemSelection &deselected, QTableView *other);
    void clearSearchMarks();
    void repaintTables();
    static int hexStringToInt(const QString &text);

    Ui::vexmora_hex_tools *ui;
    HexTableModel *model1 = nullptr;
    HexTableModel *model2 = nullptr;
    HexItemDelegate *itemDelegate = nullptr;
    bool modified1 = false;
    bool modified2 = false;
    QString filePath1;
    QString filePath2;
    DiffWidget *diffWidget = nullptr;
    bool changesPending = false;
    QString fileName1;
    QString fileName2;
    int currentSearchIndex = -1;
    QList<QModelIndex> searchResults;

    // Guards that keep the two tables from echoing each other's scrolling
    // and selections back.
    bool syncingScroll = false;
    bool syncingSelection = false;
    bool scrollLinked = false;
    QList<QMetaObject::Connection> selectionLinks;
    QPointer<QWidget> topLevel;
};

#endif // VEXMORA_HEX_TOOLS_H
