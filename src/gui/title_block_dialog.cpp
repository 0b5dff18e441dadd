#include "gui/title_block_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <array>

#include "forms/formtitleblock.h"
#include "gui/button_keys.h"
#include "gui/button_style.h"
#include "gui/qt_text.h"
#include "gui/screen_scale.h"

namespace quadrel {
namespace {

struct Bounds {
    int Left, Top, Width, Height;
};

struct FieldPlace {
    Bounds Edit;
    Bounds Label;
};

// Edit and label of each title field, in field order, at 96 dpi.
constexpr std::array<FieldPlace, TitleFieldCount> FieldPlaces{{
    {{37, 31, 220, 21}, {262, 31, 120, 21}},
    {{37, 56, 220, 21}, {262, 56, 120, 21}},
    {{36, 106, 220, 21}, {262, 106, 120, 21}},
    {{36, 131, 220, 21}, {262, 131, 120, 21}},
    {{36, 156, 220, 21}, {262, 156, 120, 21}},
    {{36, 206, 160, 21}, {203, 206, 100, 21}},
    {{36, 231, 160, 21}, {203, 231, 100, 21}},
    {{36, 281, 85, 21}, {127, 281, 160, 20}},
    {{36, 306, 85, 21}, {127, 306, 160, 20}},
    {{36, 356, 160, 21}, {203, 356, 100, 21}},
    {{36, 381, 160, 21}, {203, 381, 100, 21}},
    {{36, 406, 160, 21}, {203, 406, 100, 21}},
    {{36, 431, 220, 21}, {262, 431, 100, 21}},
}};

// The framing bevels round the groups of edits.
constexpr std::array<Bounds, 5> Bevels{{
    {26, 21, 367, 66},
    {26, 96, 367, 91},
    {26, 196, 367, 66},
    {26, 271, 367, 66},
    {26, 346, 367, 115},
}};

constexpr Bounds OkBounds{172, 479, 75, 25};
constexpr Bounds AddSetBounds{318, 470, 75, 20};
constexpr Bounds DeleteSetBounds{318, 496, 75, 20};
constexpr Bounds UpBounds{134, 470, 21, 22};
constexpr Bounds DownBounds{134, 493, 21, 22};

}  // namespace

TitleBlockDialog::TitleBlockDialog(TTitleBlockForm& form, QtPlatform& platform, QWidget* parent)
    : FormDialog(form, platform, parent, 419, 535) {
    // MS Sans Serif where it exists; else a sans serif of the same narrow
    // measure, so the labels fit their boxes.
    QFont dialogFont(QStringLiteral("MS Sans Serif"), 8);
    dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    dialogFont.setStyleHint(QFont::SansSerif);
    setFont(dialogFont);
    const ScreenScale scale(*this);
    const auto place = [&scale](QWidget& widget, const Bounds& b) {
        widget.setGeometry(scale(b.Left, b.Top, b.Width, b.Height));
    };

    for (const Bounds& bounds : Bevels) {
        auto* bevel = new QFrame(this);
        bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        place(*bevel, bounds);
    }

    const auto edits = form.FieldEdits();
    const auto labels = form.FieldLabels();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ToQString(edits[k]->Name()));
        place(*edit, FieldPlaces[k].Edit);
        Binder().Bind(*edit, *edits[k]);
        tabChain_.push_back(edit);

        auto* label = new QLabel(this);
        label->setObjectName(ToQString(labels[k]->Name()));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        place(*label, FieldPlaces[k].Label);
        Binder().Bind(*label, *labels[k]);
    }

    auto* ok = new QPushButton(this);
    ok->setObjectName(ToQString(form.BitBtnOk.Name()));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    place(*ok, OkBounds);
    Binder().Bind(*ok, form.BitBtnOk);

    QFont setButtonFont(QStringLiteral("Times New Roman"), 8, QFont::Bold);
    setButtonFont.setStyleHint(QFont::Serif);
    const auto setButton = [&](Button& model, const Bounds& bounds, const char* colour) {
        auto* button = new QPushButton(this);
        button->setObjectName(ToQString(model.Name()));
        button->setFont(setButtonFont);
        button->setStyleSheet(ColouredButtonStyle(colour));
        button->setAutoDefault(false);
        place(*button, bounds);
        Binder().Bind(*button, model);
        return button;
    };
    QPushButton* add = setButton(form.ButtonAddSet, AddSetBounds, "#008000");
    QPushButton* remove = setButton(form.ButtonDeleteSet, DeleteSetBounds, "#d00000");

    const auto arrow = [&](Button& model, const Bounds& bounds, QStyle::StandardPixmap glyph) {
        auto* button = new QPushButton(this);
        button->setObjectName(ToQString(model.Name()));
        // The main form's arrows, at their size: a glyph squeezed into the
        // old 11 by 7 pixels is only a dot.
        button->setIcon(style()->standardIcon(glyph));
        button->setAutoDefault(false);
        place(*button, bounds);
        Binder().Bind(*button, model);
        return button;
    };
    QPushButton* up = arrow(form.BitBtnUp, UpBounds, QStyle::SP_ArrowUp);
    QPushButton* down = arrow(form.BitBtnDown, DownBounds, QStyle::SP_ArrowDown);

    BindButtonKeys(*this, {{QKeySequence(Qt::Key_PageUp), up},
                           {QKeySequence(Qt::Key_PageDown), down},
                           {QKeySequence(Qt::CTRL | Qt::Key_N), add}});
    tabChain_.insert(tabChain_.end(), {ok, add, remove, up, down});
    for (std::size_t i = 1; i < tabChain_.size(); ++i) {
        QWidget::setTabOrder(tabChain_[i - 1], tabChain_[i]);
    }
}

}  // namespace quadrel
