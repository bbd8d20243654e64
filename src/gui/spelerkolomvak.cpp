#include "gui/spelerkolomvak.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/spelerkolom.h"
#include "gui/velden.h"
#include "ui/spelerkolom.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

CSpelerKolomVak::CSpelerKolomVak(CSpelerKolom& kolom, const CLijst& lijst,
                                 std::initializer_list<CNaam> koppen,
                                 std::initializer_list<CNaam> filters, QWidget* ouder)
    : QWidget(ouder), kolom_(kolom) {
    lijst_ = new CMultiLineListBox;
    lijst_->setObjectName(QString::fromUtf8(lijst.naam));
    lijst_->setAccessibleName(QString::fromUtf8(lijst.toegang));
    koppen_ = new CKolomKoppen(*lijst_);
    int kop = 0;
    for (const CNaam& naam : koppen) {
        const bool sorteert =
            kolom_.Koppen()[static_cast<size_t>(kop++)] != CSpelerKolom::EVeld::Geen;
        koppen_->VoegToe(naam.tekst, naam.naam,
                         sorteert ? CKolomKoppen::ESoort::Sorteert : CKolomKoppen::ESoort::Tekst);
    }
    lijst_->ZetKolomBreedtes({lijst.eersteKolomBreedte});
    lijst_->setMinimumWidth(lijst.minimumBreedte);
    zoek_ = MaakConfigVeld("zoek");
    zoek_->installEventFilter(this);
    std::vector<QWidget*> vakken;
    for (const CNaam& filter : filters) {
        filters_.push_back(MaakConfigVak(filter.tekst, filter.naam));
        vakken.push_back(filters_.back());
    }
    QVBoxLayout* plaats = SpelerKolom(koppen_, lijst_, zoek_, vakken, lijst.zoekLabel);
    plaats->setContentsMargins(0, 0, 0, 0);
    setLayout(plaats);
    setTabOrder(zoek_, lijst_);
    QWidget* vorige = lijst_;
    for (QCheckBox* filter : filters_) {
        setTabOrder(vorige, filter);
        vorige = filter;
    }

    // The column follows the user first, then the window hears of it.
    auto gebruik = [this](auto operatie) {
        return [this, operatie](auto... waarde) {
            operatie(waarde...);
            emit gewijzigd();
        };
    };
    BijWijziging(zoek_, this,
                 gebruik([this](const QString& tekst) { kolom_.Zoek(VanQString(tekst)); }));
    // After sorting and filtering the keyboard goes on searching.
    connect(koppen_, &CKolomKoppen::sorteer, this, gebruik([this](int geklikt, Qt::SortOrder) {
                kolom_.KlikKop(geklikt);
                zoek_->setFocus();
            }));
    for (size_t i = 0; i < filters_.size(); ++i) {
        connect(filters_[i], &QCheckBox::toggled, this, gebruik([this, i](bool aan) {
                    kolom_.ZetFilter(i, aan);
                    zoek_->setFocus();
                }));
    }
    connect(lijst_, &CMultiLineListBox::selectieGewijzigd, this,
            gebruik([this](int rij) { kolom_.Selecteer(rij); }));
    connect(lijst_, &CMultiLineListBox::gekozen, this, [this](int rij) {
        kolom_.Selecteer(rij);
        emit gekozen(rij);
    });
}

QWidget* CSpelerKolomVak::Laatste() const {
    return filters_.empty() ? static_cast<QWidget*>(lijst_) : filters_.back();
}

void CSpelerKolomVak::Toon() {
    lijst_->ToonRegels(kolom_.Rijen());
    lijst_->Selecteer(kolom_.Selectie());
    koppen_->ZetSortering(kolom_.SorteerKop(),
                          kolom_.Oplopend() ? Qt::AscendingOrder : Qt::DescendingOrder);
    ZetVeldTekst(zoek_, kolom_.ZoekTekst());
    for (size_t i = 0; i < filters_.size(); ++i) {
        ZetVinkje(filters_[i], kolom_.FilterAan(i));
    }
    setEnabled(kolom_.InGebruik());
}

bool CSpelerKolomVak::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (object == zoek_ && gebeurtenis->type() == QEvent::KeyPress) {
        auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
        if ((toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter) &&
            (toets->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (kolom_.Selectie() >= 0) {
                emit gekozen(kolom_.Selectie());
                // The next name typed replaces the one found.
                if (zoek_->hasFocus()) {
                    zoek_->selectAll();
                }
            }
            return true;
        }
    }
    return QWidget::eventFilter(object, gebeurtenis);
}
