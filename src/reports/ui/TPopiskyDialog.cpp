#include "TPopiskyDialog.h"

#include "CarrierKind.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ReportOutput.h"
#include "TPopiskaReport.h"
#include "TVolba.h"

TPopiskyDialog::TPopiskyDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent)
    : TSestavyBublina(sluzby, QStringLiteral("SBO1"), {QStringLiteral("Popisky nosiče")},
                      {{"OfficeLabel1", "Přední popiska", "Použije sestavu pro přední popisku"},
                       {"OfficeLabel2", "Zadní popiska", "Použije sestavu pro zadní popisku"}},
                      parent),
      m_output(output)
{
    setObjectName(QStringLiteral("PopiskyDialog"));
    setWindowTitle(QStringLiteral("Popisky nosiče"));
    const QString ini = sluzby.programFolder().programIniPath();
    m_mc = std::make_unique<TTiskMCDialog>(ini);
    m_cd1 = std::make_unique<TTiskCD1Dialog>(ini);
    m_cd2 = std::make_unique<TTiskCD2Dialog>(ini);
}

TPopiskyDialog::~TPopiskyDialog() = default;

void TPopiskyDialog::open(const SestavaRequest& request, const QPoint& at)
{
    m_request = request;
    // A cassette has only its card.
    item(QStringLiteral("OfficeLabel2"))
        ->setStruck(carrierkind::parse(request.kind) == CarrierKind::Mc);
    showAt(at);
    setFocus();
}

void TPopiskyDialog::choose(const QString& name)
{
    TPopiskaReport* label = nullptr;
    const auto kind = carrierkind::parse(m_request.kind);
    if (name == QLatin1String("OfficeLabel2"))
        label = m_cd2.get();
    else if (kind == CarrierKind::Mc)
        label = m_mc.get();
    else if (kind && carrierkind::isCompactDisc(*kind))
        label = m_cd1.get();
    if (!label)
        return;
    hide();
    emit reportStarted();
    m_output.runLabel(*label, m_request.slot.toInt(), m_request.mode);
}
