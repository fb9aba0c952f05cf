#pragma once

#include <QElapsedTimer>
#include <QLocale>
#include <QTableView>

// The table inside a DataGrid: type-ahead search in the focused column, Enter as the
// keyboard's double-click, and content widths measured over the rows in view only.
class GridTableView : public QTableView
{
    Q_OBJECT
public:
    explicit GridTableView(QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;
    QString typedText() const { return m_typed; }

    // Widest cell among the rows in view (and the header), so sizing never walks the table.
    int visibleContentWidth(int column) const;

    // Type-ahead rule: the cell text starts with what was typed, letters compared in the
    // locale's upper case (so "i" finds "İ" in Turkish).
    static bool typeAheadMatches(const QString &cellText, const QString &typed, const QLocale &locale);

Q_SIGNALS:
    void rowActivated(const QModelIndex &index);
    void contextMenuWanted(const QPoint &globalPos);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int searchColumn() const;

    QString m_typed;
    QElapsedTimer m_typedAt;
};
