#include "PrinterSetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

bool PrinterSetup::exec(QPrinter* printer, QWidget* parent)
{
    ++shownCount();
    if (std::optional<bool> answer = nextAnswer()) {
        nextAnswer().reset();
        return *answer;
    }
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QStringLiteral("Nastavení tiskárny"));
    // Choosing the printer and its paper only; what to print is chosen later.
    // A PDF file stays on offer: on a desktop without a printer it is the
    // only way to print at all.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    // The confirming button keeps the choice; nothing is printed yet. The
    // platform's dialog offers no handle on its buttons but its children.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

void PrinterSetup::setNextAnswer(std::optional<bool> answer)
{
    nextAnswer() = answer;
}

int PrinterSetup::takeShownCount()
{
    const int count = shownCount();
    shownCount() = 0;
    return count;
}

std::optional<bool>& PrinterSetup::nextAnswer()
{
    static std::optional<bool> answer;
    return answer;
}

int& PrinterSetup::shownCount()
{
    static int count = 0;
    return count;
}
