#include "gui/kolomkoppen.h"

#include "gui/multilinelistbox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

CKolomKoppen::CKolomKoppen(CMultiLineListBox& lijst, QWidget* ouder)
    : QWidget(ouder), lijst_(&lijst) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(lijst_, &CMultiLineListBox::kolommenVerschoven, this, &CKolomKoppen::Plaats);
}

int CKolomKoppen::VoegToe(const char* tekst, const char* naam, ESoort soort, int kolommen) {
    const int kop = static_cast<int>(koppen_.size());
    QWidget* widget = nullptr;
    if (soort == ESoort::Tekst) {
        auto* label = new QLabel(QString::fromUtf8(tekst), this);
        label->setTextFormat(Qt::PlainText);
        label->setIndent(4);
        widget = label;
    } else {
        auto* knop = new QPushButton(QString::fromUtf8(tekst), this);
        knop->setFlat(true);
        knop->setStyleSheet(QStringLiteral("text-align: left; padding: 1px 4px;"));
        connect(knop, &QPushButton::clicked, this, [this, kop, soort] { Klik(kop, soort); });
        widget = knop;
    }
    widget->setObjectName(QString::fromUtf8(naam));
    koppen_.push_back({widget, volgendeKolom_, std::max(kolommen, 1)});
    volgendeKolom_ += std::max(kolommen, 1);
    if (lijst_ && lijst_->columnCount() < volgendeKolom_) {
        lijst_->setColumnCount(volgendeKolom_);
    }
    updateGeometry();
    Plaats();
    return kop;
}

QPushButton* CKolomKoppen::Knop(int kop) const {
    if (kop < 0 || kop >= static_cast<int>(koppen_.size())) {
        return nullptr;
    }
    return qobject_cast<QPushButton*>(koppen_[static_cast<size_t>(kop)].widget);
}

void CKolomKoppen::ZetSortering(int kop, Qt::SortOrder richting) {
    sorteerKop_ = Knop(kop) ? kop : -1;
    richting_ = richting;
    for (int i = 0; i < static_cast<int>(koppen_.size()); ++i) {
        QPushButton* knop = Knop(i);
        if (!knop) {
            continue;
        }
        const bool pijl = i == sorteerKop_;
        const bool oplopend = richting_ == Qt::AscendingOrder;
        knop->setIcon(
            pijl ? style()->standardIcon(oplopend ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown)
                 : QIcon());
        knop->setAccessibleDescription(
            pijl ? QString::fromUtf8(oplopend ? "oplopend gesorteerd" : "aflopend gesorteerd")
                 : QString());
    }
}

void CKolomKoppen::Klik(int kop, ESoort soort) {
    if (soort != ESoort::Sorteert) {
        emit geklikt(kop);
        return;
    }
    const bool omkeren = kop == sorteerKop_ && richting_ == Qt::AscendingOrder;
    ZetSortering(kop, omkeren ? Qt::DescendingOrder : Qt::AscendingOrder);
    emit sorteer(kop, richting_);
}

QSize CKolomKoppen::sizeHint() const {
    int breedte = 0;
    int hoogte = 0;
    for (const CKop& kop : koppen_) {
        breedte += kop.widget->sizeHint().width();
        hoogte = std::max(hoogte, kop.widget->sizeHint().height());
    }
    return {breedte, hoogte};
}

QSize CKolomKoppen::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void CKolomKoppen::resizeEvent(QResizeEvent* gebeurtenis) {
    QWidget::resizeEvent(gebeurtenis);
    Plaats();
}

void CKolomKoppen::moveEvent(QMoveEvent* gebeurtenis) {
    QWidget::moveEvent(gebeurtenis);
    Plaats();
}

void CKolomKoppen::Plaats() {
    if (!lijst_) {
        return;
    }
    const QHeaderView* kolommen = lijst_->header();
    const QWidget* beeld = lijst_->viewport();
    // The x of a position in the list's viewport, in this widget.
    auto X = [this, beeld](int x) { return mapFromGlobal(beeld->mapToGlobal(QPoint(x, 0))).x(); };
    for (size_t i = 0; i < koppen_.size(); ++i) {
        const CKop& kop = koppen_[i];
        const int laatste = kop.eersteKolom + kop.kolommen - 1;
        int links = kolommen->sectionViewportPosition(kop.eersteKolom);
        int rechts = kolommen->sectionViewportPosition(laatste) + kolommen->sectionSize(laatste);
        bool zichtbaar = false;
        for (int k = kop.eersteKolom; k <= laatste; ++k) {
            zichtbaar = zichtbaar || !kolommen->isSectionHidden(k);
        }
        kop.widget->setVisible(zichtbaar);
        const int x = i == 0 ? 0 : X(links);
        const int eind = i + 1 == koppen_.size() ? width() : X(rechts);
        kop.widget->setGeometry(x, 0, std::max(eind - x, 0), height());
    }
}
