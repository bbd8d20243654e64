// The three formula windows offscreen: their controls and labels, editing,
// testing and saving with the keyboard alone and with the mouse.

#include "bediening.h"
#include "configvenster.h"
#include "gui/configformuledlg.h"
#include "gui/multilinelistbox.h"
#include "settings/profiel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using EVeld = CFormuleVenster::EVeld;

class ConfigFormuleDlg : public ConfigVenster {
protected:
    QComboBox* Namen() const { return Zoek<QComboBox>("formulenaam"); }
    QLineEdit* Veld(const char* naam) const { return Zoek<QLineEdit>(naam); }
    QPushButton* Knop(const char* naam) const { return Zoek<QPushButton>(naam); }
    QStringList NaamTeksten() const {
        QStringList namen;
        for (int i = 0; i < Namen()->count(); ++i) {
            namen << Namen()->itemText(i);
        }
        return namen;
    }
    std::string Sleutel(const std::string& sectie, const std::string& sleutel) const {
        CProfiel profiel(Profiel());
        EXPECT_EQ(0, profiel.Lees());
        return profiel.Tekst(sectie, sleutel, "<ontbreekt>");
    }
};

TEST_F(ConfigFormuleDlg, EachWindowHasItsLabelsAndButtons) {
    struct CVenster {
        std::function<void()> open;
        QString titel;
        std::map<QString, QString> labels;
        std::vector<std::pair<const char*, const char*>> knoppen;
    };
    const std::map<QString, QString> test = {{"(&W)inst:", "testW"},     {"(&V)erlies:", "testV"},
                                             {"(&J)igo's:", "testJ"},    {"(&P)artijen:", "testP"},
                                             {"(&R)onde:", "testR"},     {"(&K)lasse:", "testK"},
                                             {"Resultaat:", "resultaat"}};
    auto met = [](std::map<QString, QString> a, const std::map<QString, QString>& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    const std::vector<std::pair<const char*, const char*>> knoppen = {
        {"nieuw", "&Nieuw"},
        {"test", "&Test"},
        {"verwijderen", "Verwij&deren"},
        {"ok", "&Ok"},
        {"cancel", "&Cancel"}};
    const CVenster vensters[] = {
        {[this] { Open<CConfigPuntenDlg>(); }, "Puntenformule",
         met({{"&Formulenaam:", "formulenaam"}, {"For&mule:", "formule"}}, test), knoppen},
        {[this] { Open<CConfigKlasseDlg>(); }, "Klasse-aanpassingsformule",
         met({{"&Formulenaam:", "formulenaam"},
              {"&In geval van:", "geval"},
              {"Ni&euwe klasse:", "nieuweKlasse"}},
             test),
         knoppen},
        {[this] { Open<CConfigVoorgiftDlg>(); },
         "Voorgiftformule",
         {{"&Formulenaam:", "formulenaam"},
          {"&Voorgift:", "voorgift"},
          {"&Komi:", "komi"},
          {"Melding:", "melding"}},
         {{"nieuw", "&Nieuw"},
          {"test", "&Test"},
          {"verwijderen", "Verwij&deren"},
          {"ok", "&OK"},
          {"cancel", "&Cancel"}}},
    };
    for (const CVenster& v : vensters) {
        v.open();
        EXPECT_EQ(v.titel, venster->windowTitle());
        EXPECT_EQ(v.labels, Labels()) << v.titel.toStdString();
        for (const auto& [naam, tekst] : v.knoppen) {
            EXPECT_EQ(QString(tekst), Knop(naam)->text()) << naam;
        }
        EXPECT_TRUE(Knop("test")->isDefault());
        EXPECT_EQ(QString("&Gebruik deze formule"), Zoek<QCheckBox>("actief")->text());
        EXPECT_EQ((QStringList{"A", "B", "C"}), NaamTeksten());
        EXPECT_EQ(QString("B"), Namen()->currentText());
    }
    EXPECT_EQ(QString::fromUtf8("&Extra ½ komi voor wit"),
              Zoek<QCheckBox>("extraHalfKomi")->text());
    EXPECT_FALSE(Zoek<QCheckBox>("extraHalfKomi")->isChecked());
    EXPECT_EQ("Klasse verschil",
              venster->findChild<QWidget*>("kopKlasseVerschil")->property("text").toString());
}

TEST_F(ConfigFormuleDlg, ANewPointsSetMadeTestedAndSavedWithTheKeyboardAlone) {
    auto& dlg = Open<CConfigPuntenDlg>();
    EXPECT_TRUE(TabNaar(Knop("nieuw")));
    Toets(Qt::Key_Space);
    EXPECT_EQ(QString("(Nieuw)"), Namen()->currentText());
    EXPECT_EQ(3, Namen()->currentIndex());
    Typ("Drie voor winst"); // the name was selected, so typing replaces it
    Toets(Qt::Key_Tab);
    EXPECT_EQ((QStringList{"A", "B", "C", "Drie voor winst"}), NaamTeksten());
    EXPECT_EQ(Zoek<QCheckBox>("actief"), Focus());
    Toets(Qt::Key_Space);
    Toets(Qt::Key_Tab);
    EXPECT_EQ(Veld("formule"), Focus());
    Typ("3 * W + J / 0");
    Mnemonic(Qt::Key_T);
    EXPECT_EQ(QString("Deling door nul."), Veld("resultaat")->text());
    EXPECT_EQ(Veld("formule"), Focus());
    EXPECT_EQ(13, Veld("formule")->cursorPosition());
    for (int i = 0; i < 4; ++i) {
        Toets(Qt::Key_Backspace);
    }
    Toets(Qt::Key_Return);                               // "&Test" is the default button
    EXPECT_EQ(QString("19"), Veld("resultaat")->text()); // 3 * 6 + 1

    Mnemonic(Qt::Key_O);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(QDialog::Accepted, dlg.result());
    EXPECT_EQ("Drie voor winst", Sleutel("ScoreFormule 4", "Naam"));
    EXPECT_EQ("3 * W + J", Sleutel("ScoreFormule 4", "Formule"));
    EXPECT_EQ("0", Sleutel("ScoreFormule 4", "Middelen"));
    EXPECT_EQ("4", Sleutel("Morvel", "HuidigeScoreFormule"));
    EXPECT_EQ("3 * W + J", settings->PuntenformuleTekst());
}

TEST_F(ConfigFormuleDlg, ARenamedEntryKeepsItsPlaceEvenWithTheNameOfAnother) {
    Open<CConfigPuntenDlg>();
    Namen()->setFocus();
    Namen()->lineEdit()->selectAll();
    Typ("C");
    Toets(Qt::Key_Tab);
    EXPECT_EQ((QStringList{"A", "C", "C"}), NaamTeksten());
    EXPECT_EQ(1, Namen()->currentIndex());
    EXPECT_EQ(QString("2 * W + J"), Veld("formule")->text());
    EXPECT_TRUE(Zoek<QCheckBox>("actief")->isChecked());
}

TEST_F(ConfigFormuleDlg, TheClassWindowShowsTheChosenCaseAndPlacesTheCursorAtTheError) {
    Open<CConfigKlasseDlg>();
    auto* geval = Zoek<QComboBox>("geval");
    EXPECT_EQ((QStringList{"Winst", "Verlies", "Jigo"}),
              (QStringList{geval->itemText(0), geval->itemText(1), geval->itemText(2)}));
    EXPECT_EQ(QString("K - 10"), Veld("nieuweKlasse")->text());
    geval->setCurrentIndex(2);
    EXPECT_EQ(QString("K"), Veld("nieuweKlasse")->text());
    Veld("nieuweKlasse")->clear();
    QTest::keyClicks(Veld("nieuweKlasse"), "K + max()");
    Veld("testK")->clear();
    QTest::keyClicks(Veld("testK"), "150");
    QTest::mouseClick(Knop("test"), Qt::LeftButton);
    EXPECT_EQ(QString("Ongeldige funktie of teken op deze plaats."), Veld("resultaat")->text());
    EXPECT_EQ(Veld("nieuweKlasse"), Focus());
    EXPECT_EQ(8, Veld("nieuweKlasse")->cursorPosition());
    geval->setCurrentIndex(0);
    EXPECT_EQ(QString("K - 10"), Veld("nieuweKlasse")->text());
    QTest::mouseClick(Knop("test"), Qt::LeftButton);
    EXPECT_EQ(QString("140"), Veld("resultaat")->text());

    // Selecting another entry clears the result; without any, the fields are off.
    Namen()->setCurrentIndex(0);
    EXPECT_EQ(QString(""), Veld("resultaat")->text());
    EXPECT_EQ(QString("K - 1"), Veld("nieuweKlasse")->text());
    recorder.Verwacht("Weet u zeker dat u deze formule wilt verwijderen?", Antwoord::Ja);
    QTest::mouseClick(Knop("verwijderen"), Qt::LeftButton);
    recorder.Verwacht("Weet u zeker dat u deze formule wilt verwijderen?", Antwoord::Ja);
    QTest::mouseClick(Knop("verwijderen"), Qt::LeftButton);
    recorder.Verwacht("Weet u zeker dat u deze formule wilt verwijderen?", Antwoord::Ja);
    QTest::mouseClick(Knop("verwijderen"), Qt::LeftButton);
    EXPECT_EQ(0, Namen()->count());
    EXPECT_EQ(QString(""), Veld("nieuweKlasse")->text());
    for (const char* naam :
         {"formulenaam", "nieuweKlasse", "geval", "actief", "verwijderen", "test"}) {
        EXPECT_FALSE(venster->findChild<QWidget*>(naam)->isEnabled()) << naam;
    }
    EXPECT_TRUE(Knop("nieuw")->isEnabled());

    // Cancel asks; No stays, Yes leaves the profile as it was.
    recorder.Verwacht("Weet u zeker dat u wilt stoppen zonder uw wijzigingen op te slaan?",
                      Antwoord::Nee);
    Toets(Qt::Key_Escape);
    EXPECT_TRUE(venster->isVisible());
    recorder.Verwacht("Weet u zeker dat u wilt stoppen zonder uw wijzigingen op te slaan?",
                      Antwoord::Ja);
    Mnemonic(Qt::Key_C);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ("A", Sleutel("KlasseBerekening 1", "Naam"));
}

TEST_F(ConfigFormuleDlg, TheHandicapTableStopsAtTheFaultWithTheCursorInKomi) {
    Open<CConfigVoorgiftDlg>();
    auto* tabel = Zoek<CMultiLineListBox>("tabel");
    QTest::mouseClick(Knop("test"), Qt::LeftButton);
    ASSERT_EQ(80, tabel->AantalRegels());
    EXPECT_EQ(QString("79"), tabel->Tekst(79, 0));
    EXPECT_EQ(QString("9"), tabel->Tekst(79, 1));
    EXPECT_EQ(QString("-310"), tabel->Tekst(79, 2));

    Veld("komi")->setFocus();
    Veld("komi")->selectAll();
    Typ("6 / (V - 5)");
    Toets(Qt::Key_Return);
    ASSERT_EQ(6, tabel->AantalRegels());
    EXPECT_EQ(QString("5"), tabel->Tekst(5, 0));
    EXPECT_EQ(QString("3"), tabel->Tekst(5, 1));
    EXPECT_EQ(QString("FOUT:"), tabel->Tekst(5, 2));
    EXPECT_EQ(QString("Deling door nul."), Veld("melding")->text());
    EXPECT_EQ(Veld("komi"), Focus());
    EXPECT_EQ(11, Veld("komi")->cursorPosition());

    // OK checks at V = 0 only, so this set is saved.
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ("6 / (V - 5)", Sleutel("VoorgiftEnKomi 2", "Komi"));
}

TEST_F(ConfigFormuleDlg, TheActiveMarkMovesWithTheMouse) {
    Open<CConfigVoorgiftDlg>();
    Namen()->setCurrentIndex(2);
    EXPECT_FALSE(Zoek<QCheckBox>("actief")->isChecked());
    EXPECT_TRUE(Zoek<QCheckBox>("extraHalfKomi")->isChecked());
    KlikVak(Zoek<QCheckBox>("actief"));
    Namen()->setCurrentIndex(1);
    EXPECT_FALSE(Zoek<QCheckBox>("actief")->isChecked());
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_EQ(3, settings->HuidigeVoorgiftFormule());
    EXPECT_EQ("3", Sleutel("Morvel", "HuidigeVoorgiftFormule"));
}

TEST_F(ConfigFormuleDlg, FieldsPutInThroughTheAccessibilityInterfaceAreTestedAndSaved) {
    Open<CConfigPuntenDlg>();
    ZetViaToegang(Veld("formule"), "W + 10 * J");
    ZetViaToegang(Veld("testW"), "2");
    ZetViaToegang(Veld("testJ"), "3");
    DrukViaToegang(Knop("test"));
    EXPECT_EQ(QString("32"), Veld("resultaat")->text());
    DrukViaToegang(Knop("ok"));
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ("W + 10 * J", Sleutel("ScoreFormule 2", "Formule"));

    Open<CConfigVoorgiftDlg>();
    ZetViaToegang(Veld("komi"), "6 / (V - 5)");
    DrukViaToegang(Knop("test"));
    EXPECT_EQ(6, Zoek<CMultiLineListBox>("tabel")->AantalRegels());
    DrukViaToegang(Knop("ok"));
    EXPECT_EQ("6 / (V - 5)", Sleutel("VoorgiftEnKomi 2", "Komi"));
}

} // namespace
