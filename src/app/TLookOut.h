#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The side bar: pages stacked like drawers, each a header and a column of
// large buttons. Clicking a header opens its page; only one page is open.
class TLookOut final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 126;

    explicit TLookOut(QWidget* parent = nullptr);

    // A page named `name` (LookOutPage1) whose header reads `caption`.
    int addPage(const QString& name, const QString& caption, const QString& hint);
    // A button running `action`, named after it.
    void addButton(int page, QAction* action);

    int pageCount() const { return int(m_pages.size()); }
    // The page as a whole, header and buttons, for enabling it at once.
    QWidget* page(int index) const { return m_pages.value(index).frame; }
    int currentPage() const { return m_current; }
    void setCurrentPage(int page);

signals:
    // Every click on a header, also on the header of the open page.
    void pageClicked(int page);

private:
    struct Page
    {
        QWidget* frame;
        QPushButton* header;
        QScrollArea* scroller;
        QVBoxLayout* column;
    };

    QVBoxLayout* m_layout;
    QList<Page> m_pages;
    int m_current = -1;
};
