#include "gui/hulptoets.h"

#include "gui/handleidingdlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstring>

namespace {

struct CVensterAnker {
    const char* klasse;
    const char* anker;
};

// Every window of the program with its section in the manual.
constexpr CVensterAnker kVensterAnkers[] = {
    {"CMorvelDlg", "hoofdvenster"},
    {"CLedenDlg", "leden"},
    {"CImportDlg", "importeren"},
    {"CNieuweCompetitieDlg", "nieuwe-competitie"},
    {"CConfigDlg", "configuratie"},
    {"CConfigPadenDlg", "paden"},
    {"CConfigAfdrukvoorkeurDlg", "afdrukvoorkeur"},
    {"CConfigHtmlDlg", "html-uitvoer"},
    {"CConfigIndelingDlg", "indelingsparameters"},
    {"CConfigPuntenDlg", "formules-punten"},
    {"CConfigKlasseDlg", "formules-klasse"},
    {"CConfigVoorgiftDlg", "formules-voorgift"},
    {"CRondesDlg", "rondes"},
    {"CRondeDlg", "uitslagen"},
    {"CIndelingDlg", "indeling"},
    {"CIndelingsBerekening", "indelingslog"},
    {"CIndelingsVoortgang", "indelingsberekening"},
    {"CAfdrukSelectie", "wat-afdrukken"},
    {"CStandDlg", "stand"},
    {"DatumSelectieDlg", "inschrijflijst"},
    {"CKlassenverloopDlg", "klassenverloop"},
    {"CHtmlVoortgang", "upload"},
    {"CGeschiedenisDlg", "geschiedenis"},
    {"CLijstDlg", "geschiedenis"}, // the standings of a version, from "&Bekijken"
    {"QPrintDialog", "afdrukken"},
    {"QPageSetupDialog", "afdrukken"},
    {"CHandleidingDlg", kHulpAnker},
};

} // namespace

std::string VensterAnker(const QWidget& venster) {
    for (const QMetaObject* soort = venster.metaObject(); soort; soort = soort->superClass()) {
        for (const CVensterAnker& v : kVensterAnkers) {
            if (std::strcmp(v.klasse, soort->className()) == 0) {
                return v.anker;
            }
        }
    }
    return "";
}

std::string HandleidingAnker(const QWidget* widget) {
    for (const QWidget* deel = widget; deel; deel = deel->parentWidget()) {
        const QVariant eigen = deel->property("handleiding");
        if (eigen.isValid()) {
            return eigen.toString().toStdString();
        }
        if (deel->isWindow()) {
            break;
        }
    }
    // A message box or a file dialog has no section: the window it belongs to has.
    for (const QWidget* venster = widget ? widget->window() : nullptr; venster;
         venster = venster->parentWidget() ? venster->parentWidget()->window() : nullptr) {
        std::string anker = VensterAnker(*venster);
        if (!anker.empty()) {
            return anker;
        }
    }
    return "";
}

CHulpToets::CHulpToets() {
    qApp->installEventFilter(this);
}

CHulpToets::~CHulpToets() {
    qApp->removeEventFilter(this);
}

bool CHulpToets::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (gebeurtenis->type() != QEvent::KeyPress || !object->isWidgetType()) {
        return false;
    }
    const auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
    if (toets->key() != Qt::Key_F1 || toets->modifiers() != Qt::NoModifier) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* hulp = qobject_cast<CHandleidingDlg*>(widget->window())) {
        hulp->Ga(kHulpAnker);
        return true;
    }
    ToonHandleiding(HandleidingAnker(widget), widget->window());
    return true;
}
