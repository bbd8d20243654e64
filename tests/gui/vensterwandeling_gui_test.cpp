// A walk over every window of the program, each made through its constructor
// on the example competition: what a keyboard user and a screen reader need.
// Every field has a label that names it, every button and field a mnemonic of
// its own in its window, every button a name that is more than punctuation,
// and every window a section in the manual that F1 opens.

#include "app/ledenimport.h"
#include "base/platform.h"
#include "gui/afdrukselectie.h"
#include "gui/configafdrukvoorkeurdlg.h"
#include "gui/configdlg.h"
#include "gui/configformuledlg.h"
#include "gui/confightmldlg.h"
#include "gui/configindelingdlg.h"
#include "gui/configpadendlg.h"
#include "gui/datumselectiedlg.h"
#include "gui/geschiedenisdlg.h"
#include "gui/grafiektekening.h"
#include "gui/handleidingdlg.h"
#include "gui/htmlvoortgang.h"
#include "gui/hulptoets.h"
#include "gui/importdlg.h"
#include "gui/indelingdlg.h"
#include "gui/indelingsberekening.h"
#include "gui/indelingsvoortgang.h"
#include "gui/klassenverloopdlg.h"
#include "gui/ledendlg.h"
#include "gui/lijstdlg.h"
#include "gui/morveldlg.h"
#include "gui/nieuwecompetitiedlg.h"
#include "gui/rondedlg.h"
#include "gui/rondesdlg.h"
#include "gui/standdlg.h"
#include "ui/handleiding.h"

#include "bediening.h"
#include "vensterscript.h"
#include "voorbeeld.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kBron = std::string(MORVEL_FIXTURES) + "/../../";

// A field: where the user types or chooses a value.
bool IsVeld(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w)) {
        // The editor inside a drop-down list or a spin box is named by its owner.
        const QWidget* ouder = w->parentWidget();
        return !qobject_cast<const QComboBox*>(ouder) &&
               !qobject_cast<const QAbstractSpinBox*>(ouder);
    }
    if (auto* tekst = qobject_cast<const QTextEdit*>(w)) {
        return !tekst->isReadOnly();
    }
    if (auto* tekst = qobject_cast<const QPlainTextEdit*>(w)) {
        return !tekst->isReadOnly();
    }
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// A text field that only shows what the program puts in.
bool IsAlleenTonen(const QWidget* w) {
    auto* veld = qobject_cast<const QLineEdit*>(w);
    return veld && veld->isReadOnly() && IsVeld(w);
}

QString Naam(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// What a screen reader says for the widget.
QString ToegankelijkeNaam(QWidget* w) {
    QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(w);
    return toegang ? toegang->text(QAccessible::Name) : QString();
}

bool MeerDanLeestekens(const QString& tekst) {
    for (QChar c : tekst) {
        if (c.isLetterOrNumber()) {
            return true;
        }
    }
    return false;
}

// What the walk found wrong in one window, one line each.
struct CBevindingen {
    std::vector<std::string> zonderLabel;
    std::vector<std::string> zonderMnemonic;
    std::vector<std::string> dubbeleMnemonics;
    std::vector<std::string> zonderNaam;
};

// The widgets of `venster` itself that its user sees (not those of windows it holds).
template <class T> std::vector<T*> Zichtbaar(QDialog& venster) {
    std::vector<T*> uit;
    for (T* w : venster.findChildren<T*>()) {
        if (w->window() == &venster && w->isVisibleTo(&venster)) {
            uit.push_back(w);
        }
    }
    return uit;
}

CBevindingen Bekijk(QDialog& venster) {
    CBevindingen uit;
    std::map<QWidget*, QLabel*> labels;
    std::map<QString, std::vector<QString>> perLetter;
    auto letter = [&perLetter](const QString& tekst, const QString& wie) {
        const QString toets = QKeySequence::mnemonic(tekst).toString();
        if (!toets.isEmpty()) {
            perLetter[toets.toUpper()].push_back(wie);
        }
        return !toets.isEmpty();
    };
    for (QLabel* label : Zichtbaar<QLabel>(venster)) {
        if (label->buddy()) {
            labels[label->buddy()] = label;
            letter(label->text(), "label '" + label->text() + "' (" + Naam(label->buddy()) + ")");
        }
    }
    for (QGroupBox* groep : Zichtbaar<QGroupBox>(venster)) {
        letter(groep->title(), "groep '" + groep->title() + "'");
    }
    for (QWidget* w : Zichtbaar<QWidget>(venster)) {
        auto label = labels.find(w);
        if (IsAlleenTonen(w)) {
            // A display is named by a label or by a name of its own.
            if (label == labels.end() && w->accessibleName().isEmpty()) {
                uit.zonderLabel.push_back(Naam(w).toStdString());
            }
            continue;
        }
        if (!IsVeld(w)) {
            continue;
        }
        if (label == labels.end()) {
            uit.zonderLabel.push_back(Naam(w).toStdString());
        } else if (w->focusPolicy() != Qt::NoFocus &&
                   QKeySequence::mnemonic(label->second->text()).isEmpty()) {
            // A display that the keyboard does not reach needs no key of its own.
            uit.zonderMnemonic.push_back(Naam(w).toStdString() + " (label '" +
                                         label->second->text().toStdString() + "')");
        }
    }
    // A button's key: its mnemonic or a shortcut of its own. A sign button
    // may instead name in its tooltip the key of the control that does the
    // same ("+/-" and the head "&Uitslag"); that key must be in the window.
    std::vector<std::pair<QAbstractButton*, QString>> leentToets;
    for (QAbstractButton* knop : Zichtbaar<QAbstractButton>(venster)) {
        const QString wie = "knop '" + knop->text() + "'";
        bool heeftToets = letter(knop->text(), wie);
        if (!knop->shortcut().isEmpty()) {
            perLetter[knop->shortcut().toString()].push_back(wie);
            heeftToets = true;
        }
        if (!heeftToets) {
            const QString tip = knop->toolTip();
            const qsizetype open = tip.lastIndexOf('(');
            if (tip.endsWith(')') && open >= 0) {
                leentToets.emplace_back(
                    knop, QKeySequence::fromString(tip.mid(open + 1, tip.size() - open - 2),
                                                   QKeySequence::NativeText)
                              .toString());
            } else {
                uit.zonderMnemonic.push_back(Naam(knop).toStdString() + " ('" +
                                             knop->text().toStdString() + "')");
            }
        }
        if (!MeerDanLeestekens(ToegankelijkeNaam(knop))) {
            uit.zonderNaam.push_back(Naam(knop).toStdString() + " ('" +
                                     ToegankelijkeNaam(knop).toStdString() + "')");
        }
    }
    for (const auto& [knop, toets] : leentToets) {
        if (toets.isEmpty() || !perLetter.count(toets)) {
            uit.zonderMnemonic.push_back(Naam(knop).toStdString() + " ('" +
                                         knop->text().toStdString() + "', tooltip '" +
                                         knop->toolTip().toStdString() + "')");
        }
    }
    for (const auto& [toets, wie] : perLetter) {
        if (wie.size() > 1) {
            std::string regel = toets.toStdString() + ":";
            for (const QString& w : wie) {
                regel += " " + w.toStdString();
            }
            uit.dubbeleMnemonics.push_back(regel);
        }
    }
    return uit;
}

std::string Lijst(const std::vector<std::string>& regels) {
    std::string uit;
    for (const std::string& r : regels) {
        uit += "\n    " + r;
    }
    return uit;
}

class Wandeling : public CVoorbeeldTest {
protected:
    Wandeling() : CVoorbeeldTest(TekenGrafiekBestand) {}

    struct CVenster {
        const char* naam;
        std::function<std::unique_ptr<QDialog>()> maak;
    };

    // Every window of the program, made as the program makes it.
    std::vector<CVenster> Vensters() {
        CMorvelApp& a = *app;
        CSettings& s = app->settings;
        return {
            {"hoofdvenster", [&a] { return std::make_unique<CMorvelDlg>(a); }},
            {"leden", [&a] { return std::make_unique<CLedenDlg>(a); }},
            {"importeren",
             [this, &a] {
                 CLedenImport import;
                 SchrijfAlles(tmp.Bestand("leden.csv"), "Naam;Klasse\nNieuw Lid;12,5\n");
                 EXPECT_EQ(0,
                           LeesLedenlijst(tmp.Bestand("leden.csv"), a.competitie.spelers, import));
                 return std::make_unique<CImportDlg>(a, tmp.Bestand("leden.csv"), import);
             }},
            {"geschiedenis", [&a] { return std::make_unique<CGeschiedenisDlg>(a); }},
            {"stand van een versie",
             [&s] {
                 return std::make_unique<CLijstDlg>("Stand", "\tStand na ronde '17 maart'\n", s);
             }},
            {"nieuwe competitie", [&a] { return std::make_unique<CNieuweCompetitieDlg>(a); }},
            {"configuratie", [&s] { return std::make_unique<CConfigDlg>(s); }},
            {"paden", [&s] { return std::make_unique<CConfigPadenDlg>(s); }},
            {"afdrukvoorkeur", [&s] { return std::make_unique<CConfigAfdrukvoorkeurDlg>(s); }},
            {"html uitvoer", [&s] { return std::make_unique<CConfigHtmlDlg>(s); }},
            {"indelingsparameters", [&s] { return std::make_unique<CConfigIndelingDlg>(s); }},
            {"puntenformule", [&s] { return std::make_unique<CConfigPuntenDlg>(s); }},
            {"klasseformule", [&s] { return std::make_unique<CConfigKlasseDlg>(s); }},
            {"voorgiftformule", [&s] { return std::make_unique<CConfigVoorgiftDlg>(s); }},
            {"rondes", [&a] { return std::make_unique<CRondesDlg>(a); }},
            {"uitslagen",
             [this, &a] {
                 ronde = std::make_unique<CRonde>(a.competitie.rondes);
                 ronde->KopieerVan(a.competitie.rondes.Ronde(a.competitie.rondes.Aantal() - 1));
                 return std::make_unique<CRondeDlg>(a, *ronde);
             }},
            {"indeling", [&a] { return std::make_unique<CIndelingDlg>(a); }},
            {"indelingsberekeningen",
             [] {
                 return std::make_unique<CIndelingsBerekening>(
                     std::vector<std::string>{"Volledige pairing", "Jan\tPiet\t1\t2\t3\t4\t5"});
             }},
            {"voortgang indeling", [] { return std::make_unique<CIndelingsVoortgang>(nullptr); }},
            {"wat afdrukken", [] { return std::make_unique<CAfdrukSelectie>(true, false); }},
            {"stand", [&a] { return std::make_unique<CStandDlg>(a); }},
            {"inschrijflijst",
             [this, &s] {
                 datum = std::make_unique<CDatumSelectie>(s, CDatum{17, 3, 2025});
                 return std::make_unique<DatumSelectieDlg>(*datum);
             }},
            {"klassenverloop",
             [&a] { return std::make_unique<CKlassenverloopDlg>(a, std::string()); }},
            {"upload",
             [this, &s] {
                 run = std::make_unique<CUploadRun>(s, CUploadDoel{tmp.Pad(), "", 5, ""}, 0);
                 return std::make_unique<CHtmlVoortgang>(*run);
             }},
            {"handleiding",
             [] {
                 return std::make_unique<CHandleidingDlg>(
                     CHandleidingVenster({kBron + "share/handleiding/handleiding.html"}, "leden"));
             }},
        };
    }

    std::unique_ptr<CRonde> ronde;
    std::unique_ptr<CDatumSelectie> datum;
    std::unique_ptr<CUploadRun> run;
};

TEST_F(Wandeling, ElkVeldEenLabelElkeKnopEnElkVeldEenEigenMnemonicEnElkeKnopEenNaam) {
    for (const CVenster& v : Vensters()) {
        std::unique_ptr<QDialog> venster = v.maak();
        const CBevindingen b = Bekijk(*venster);
        EXPECT_TRUE(b.zonderLabel.empty())
            << v.naam << ": fields without a label" << Lijst(b.zonderLabel);
        EXPECT_TRUE(b.zonderMnemonic.empty())
            << v.naam << ": without a mnemonic" << Lijst(b.zonderMnemonic);
        EXPECT_TRUE(b.dubbeleMnemonics.empty())
            << v.naam << ": mnemonics used twice" << Lijst(b.dubbeleMnemonics);
        EXPECT_TRUE(b.zonderNaam.empty())
            << v.naam << ": buttons a screen reader cannot name" << Lijst(b.zonderNaam);
    }
}

TEST_F(Wandeling, ElkVensterHeeftZijnSectieInDeHandleiding) {
    std::string html;
    int fout = 0;
    ASSERT_TRUE(LeesBestand(kBron + "share/handleiding/handleiding.html", html, fout));
    const std::vector<std::string> lijst = HandleidingAnkers(html);
    const std::set<std::string> ankers(lijst.begin(), lijst.end());
    std::set<std::string> klassen;
    for (const CVenster& v : Vensters()) {
        std::unique_ptr<QDialog> venster = v.maak();
        klassen.insert(venster->metaObject()->className());
        const std::string anker = VensterAnker(*venster);
        EXPECT_FALSE(anker.empty()) << v.naam << " has no section";
        EXPECT_TRUE(ankers.count(anker))
            << v.naam << ": no section '" << anker << "' in the manual";
    }
    // Every window class of the program is in the walk.
    const std::regex klasse(R"(class\s+(\w+)\s*:\s*public\s+QDialog\b)");
    for (const auto& bestand : std::filesystem::directory_iterator(kBron + "src/gui")) {
        if (bestand.path().extension() != ".h") {
            continue;
        }
        const std::string tekst = LeesAlles(bestand.path().string());
        for (std::sregex_iterator k(tekst.begin(), tekst.end(), klasse), eind; k != eind; ++k) {
            const std::string naam = (*k)[1];
            if (naam == "CConfigFormuleDlg") {
                continue; // the base of the three formula windows
            }
            EXPECT_TRUE(klassen.count(naam))
                << naam << " (" << bestand.path().filename() << ") is missing in the walk";
        }
    }
}

// F1 on the window's focus widget opens the manual at its section; in the
// manual itself it goes to the section on help.
TEST_F(Wandeling, F1OpentDeHandleidingBijHetVenster) {
    CHulpToets hulp;
    for (const CVenster& v : Vensters()) {
        std::unique_ptr<QDialog> venster = v.maak();
        const std::string verwacht = VensterAnker(*venster);
        auto* handleiding = qobject_cast<CHandleidingDlg*>(venster.get());
        std::string geopend;
        CVensterScript script;
        if (!handleiding) {
            script.VerwachtVenster([&geopend](QDialog& d) {
                auto* hulpVenster = qobject_cast<CHandleidingDlg*>(&d);
                EXPECT_NE(nullptr, hulpVenster);
                geopend = hulpVenster ? hulpVenster->Model().Anker() : "";
                return QDialog::Accepted;
            });
        }
        venster->show();
        QTest::keyClick(venster->focusWidget() ? venster->focusWidget() : venster.get(),
                        Qt::Key_F1);
        if (handleiding) {
            geopend = handleiding->Model().Anker();
        }
        EXPECT_EQ(verwacht, geopend) << v.naam;
        venster->hide();
    }
}

} // namespace

namespace {

// The main window's "&Help" opens the manual at its start, its contents.
TEST_F(Wandeling, HelpInHetHoofdvensterOpentDeHandleidingBijHetBegin) {
    CMorvelDlg hoofd(*app);
    std::string geopend = "niets";
    CVensterScript script;
    script.VerwachtVenster([&geopend](QDialog& d) {
        auto* hulp = qobject_cast<CHandleidingDlg*>(&d);
        EXPECT_NE(nullptr, hulp);
        geopend = hulp ? hulp->Model().Anker() : "";
        return QDialog::Accepted;
    });
    auto* help = hoofd.findChild<QAbstractButton*>("help");
    ASSERT_NE(nullptr, help);
    EXPECT_EQ(QString("&Help"), help->text());
    help->click();
    EXPECT_EQ("", geopend);
    EXPECT_TRUE(script.Klaar());
}

} // namespace
