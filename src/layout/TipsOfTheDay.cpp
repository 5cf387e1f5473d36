#include "TipsOfTheDay.h"

const QStringList& tipsOfTheDay()
{
    static const QStringList tips = {
        QStringLiteral(
            "Nový nosič založíte klávesou Insert nebo tlačítkem Nový záznam. "
            "Vyplňte evidenční číslo, druh nosiče a název a záznam uložte klávesou Enter."),
        QStringLiteral("Délky skladeb zapisujte jako minuty a sekundy oddělené desetinnou čárkou: "
                       "3,45 znamená 3 minuty a 45 sekund. Celkovou délku nosiče program spočítá "
                       "sám při uložení."),
        QStringLiteral("U datových a MP3 CD se místo délky skladby zapisuje velikost souboru v MB. "
                       "Ukazatel zaplnění vám pak ukáže, kolik místa na disku ještě zbývá."),
        QStringLiteral("Kromě Standardní databáze si můžete založit až tři volitelné databáze, "
                       "například zvlášť pro gramofonové desky nebo pro nosiče vašich dětí."),
        QStringLiteral("Volitelnou databázi můžete kdykoli přejmenovat. Záznamy v ní zůstanou "
                       "zachovány, změní se jen název, pod kterým ji v programu uvidíte."),
        QStringLiteral("Vyhledávat můžete podle sedmi klíčů: podle evidenčního čísla, názvu "
                       "nosiče, jména interpreta, jména skladby, druhu nosiče, žánru nahrávky "
                       "nebo podle vypůjčených nosičů."),
        QStringLiteral("Z výsledků hledání se tlačítkem Zobrazit dostanete přímo k nalezenému "
                       "nosiči v okně databáze."),
        QStringLiteral("Komu jste nosič půjčili, zapíšete na kartu výpůjčky. Půjčený nosič "
                       "poznáte podle červeného nápisu Půjčeno pod záznamem."),
        QStringLiteral("Kliknutím na nápis Půjčeno otevřete kartu výpůjčky s údaji o tom, "
                       "kdo si nosič vypůjčil a kdy."),
        QStringLiteral("Výpůjčky se ukládají do společné půjčovny, kterou sdílejí všechny "
                       "programy řady Korvex nainstalované ve stejné složce."),
        QStringLiteral("V menu Zobrazit si můžete vybrat, které nosiče chcete v okně databáze "
                       "vidět: například jen audio CD nebo jen magnetofonové kazety."),
        QStringLiteral("Pro kazety a CD můžete vytisknout přebaly a štítky k vystřižení. "
                       "Před tiskem si je prohlédněte v náhledu."),
        QStringLiteral("Na přední stranu přebalu můžete vytisknout vlastní obrázek. Vyberte "
                       "jej v menu Nástroje a program ho použije u všech přebalů."),
        QStringLiteral("Abecední seznam nosičů můžete vytisknout pro všechny druhy nosičů "
                       "najednou nebo jen pro vybraný druh a žánr."),
        QStringLiteral("Seznam podle interpretů seřadí vaši sbírku podle jmen interpretů "
                       "a u každého uvede jeho nosiče."),
        QStringLiteral("Text můžete mezi poli přenášet přes schránku: vyjmout, kopírovat "
                       "a vložit najdete v menu Úpravy i v místní nabídce pravého tlačítka myši."),
        QStringLiteral("Rozpracovaný záznam neztratíte: když okno databáze zavíráte během "
                       "úprav, program se nejprve zeptá, zda má změny uložit."),
        QStringLiteral("Okna databází lze uspořádat vedle sebe, pod sebe nebo do kaskády "
                       "příkazy z menu Okno."),
        QStringLiteral("Panely nástrojů, stavový řádek i boční panel můžete skrýt v menu "
                       "Zobrazit. Příkaz Obnovit nastavení je všechny zase vrátí."),
        QStringLiteral("Dvojitým kliknutím na pomocníka otevřete uvítací okno, odkud se "
                       "dostanete k nápovědě i k elektronické příručce."),
        QStringLiteral("Klávesa F1 otevře nápovědu. Pokud máte otevřené okno databáze, "
                       "nápověda začne tématem o práci se záznamy."),
        QStringLiteral("Tipy dne můžete procházet i z panelu nástrojů Tipy, aniž byste "
                       "otevírali toto okno."),
        QStringLiteral("Datum poslední aktualizace se u nosiče zapíše samo při každém uložení "
                       "záznamu. Datum pořízení vyberete v rozbalovacím kalendáři."),
        QStringLiteral("Před větší úpravou sbírky si zálohujte složku Data. Všechny databáze "
                       "jsou v ní uloženy jako běžné soubory dBase."),
    };
    return tips;
}
