#include "TVysledekDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "ResultTreeModel.h"
#include "SearchCriteria.h"
#include "SearchLook.h"
#include "TDataModule1.h"
#include "TOfficeButton.h"
#include "TTable.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QTreeView>

namespace {
constexpr QSize kButton{72, 22};
const QString kReset = QStringLiteral("0");
} // namespace

TVysledekDialog::TVysledekDialog(HlavniSluzby& sluzby)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_guard(sluzby, QStringLiteral("SBO2"))
{
    setObjectName(QStringLiteral("VysledekDialog"));
    setWindowTitle(QStringLiteral("Výsledek hledání"));
    setFixedSize(kSize);
    setFont(classicFont());
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, searchlook::ground());
    setPalette(yellow);
    setAutoFillBackground(true);
    createContents();
}

TVysledekDialog::~TVysledekDialog()
{
    m_guard.leave();
}

void TVysledekDialog::createContents()
{
    m_code = createField(QStringLiteral("Kontrola"));
    m_slot = createField(QStringLiteral("K1"));
    m_k2 = createField(QStringLiteral("K2"));
    m_title = createField(QStringLiteral("DBEdit1"));
    m_title->setReadOnly(true);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setFont(classicFont(true));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setGeometry(8, 6, width() - 16, 16);
    createTree();
    createButtons();
}

QLineEdit* TVysledekDialog::createField(const QString& name)
{
    auto* field = new QLineEdit(kReset, this);
    field->setObjectName(name);
    field->hide();
    return field;
}

void TVysledekDialog::createTree()
{
    m_model = new ResultTreeModel(this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setUniformRowHeights(true);
    // A right click selects the entry under the pointer, as a left click does.
    m_tree->setContextMenuPolicy(Qt::PreventContextMenu);
    setHint(m_tree, QStringLiteral("Abecední seznam klíčových slov"));
    m_tree->setGeometry(8, 26, 236, 215);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TVysledekDialog::entryChosen);
    connect(m_tree, &QTreeView::doubleClicked, this, [this] {
        if (canShow())
            zobrazit();
    });
}

void TVysledekDialog::createButtons()
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 246, width() - 16, 2);
    m_zobrazit = new TOfficeButton(QStringLiteral("Zobrazit"), this);
    m_zobrazit->setObjectName(QStringLiteral("Zobrazit"));
    setHint(m_zobrazit, QStringLiteral("Zobrazí nalezený záznam a uzavře dialogové okno"));
    m_zobrazit->setGeometry(width() - 16 - 2 * kButton.width(), 254, kButton.width(),
                            kButton.height());
    m_zobrazit->setEnabled(false);
    connect(m_zobrazit, &TOfficeButton::clicked, this, &TVysledekDialog::zobrazit);
    auto* konec = new TOfficeButton(QStringLiteral("Konec"), this);
    konec->setObjectName(QStringLiteral("Konec"));
    setHint(konec, QStringLiteral("Uzavře dialogové okno bez zobrazení vybraného záznamu"));
    konec->setGeometry(width() - 8 - kButton.width(), 254, kButton.width(), kButton.height());
    connect(konec, &TOfficeButton::clicked, this, &TVysledekDialog::hide);
}

void TVysledekDialog::setRequest(const QString& code, int slot, const QString& heading)
{
    m_code->setText(code);
    m_slot->setText(QString::number(slot));
    m_heading->setText(heading);
}

QString TVysledekDialog::code() const
{
    return m_code->text();
}

int TVysledekDialog::slot() const
{
    return m_slot->text().toInt();
}

QString TVysledekDialog::heading() const
{
    return m_heading->text();
}

const search::ResultTree& TVysledekDialog::results() const
{
    return m_model->tree();
}

QString TVysledekDialog::chosenTitle() const
{
    return m_title->text();
}

bool TVysledekDialog::canShow() const
{
    return m_zobrazit->isEnabled();
}

Status TVysledekDialog::fill()
{
    const search::Criterion* criterion = search::criterion(code());
    search::ResultTree tree;
    Status s = criterion ? search::fillResults(*criterion,
                                               m_sluzby.programFolder().dataFolder() +
                                                   QStringLiteral("AudioI.dbf"),
                                               &tree)
                         : Status::error(QStringLiteral("Neznámý klíč vyhledávání."));
    m_model->setTree(std::move(tree));
    return s;
}

void TVysledekDialog::ukazat()
{
    if (isVisible())
        return;
    m_tree->setUpdatesEnabled(false);
    const Status s = fill();
    m_tree->setUpdatesEnabled(true);
    entryChosen();
    if (const QScreen* where = QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_tree->setFocus();
    if (!s)
        emit failed(s);
}

// DBEdit1 follows the entry; "Zobrazit" follows DBEdit1.
void TVysledekDialog::entryChosen()
{
    const int node = m_model->node(m_tree->currentIndex());
    m_target = node == search::ResultTree::kTop ? search::ResultTree::Target{}
                                                : m_model->tree().target(node);
    m_title->setText(m_target.isValid() ? m_target.title : QString());
    m_zobrazit->setEnabled(!m_title->text().isEmpty());
}

void TVysledekDialog::zobrazit()
{
    const search::ResultTree::Target target = m_target;
    const QString wanted = code();
    TTable* table = m_sluzby.dataModule()->slotTable(slot());
    hide();
    const Status s = table ? search::showCarrier(*table, wanted, target)
                           : Status::error(QStringLiteral("Databáze není otevřená."));
    if (!s)
        emit failed(s);
}

void TVysledekDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_guard.enter();
}

void TVysledekDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    m_code->setText(kReset);
    m_slot->setText(kReset);
    m_k2->setText(kReset);
    m_guard.leave();
}

void TVysledekDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (canShow())
            zobrazit();
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// A silver frame around the yellow panel.
void TVysledekDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 3));
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
