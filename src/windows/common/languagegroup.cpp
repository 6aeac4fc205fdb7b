#include "windows/common/languagegroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "windows/common/flags.h"

namespace norvex5 {

namespace {

struct LanguageButton {
    const char* name;
    const char* caption;  // in the language itself
};

constexpr LanguageButton kButtons[] = {
    {"lfrancais", "Français"}, {"langlais", "English"},  {"lportugais", "Portugues"}, {"lespagnol", "Español"},
    {"litalien", "Italiano"},  {"lcroatie", "Hrvatski"}, {"lallemand", "Deutsch"},
};

constexpr QSize kFlagSize(30, 20);

}  // namespace

LanguageGroup::LanguageGroup(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("glangue"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int code = 1; code <= 7; ++code) {
        const LanguageButton& b = kButtons[code - 1];
        auto* flag = new QLabel(this);
        flag->setObjectName(QStringLiteral("drapeau%1").arg(code));
        flag->setPixmap(drawFlag(code, kFlagSize));
        flag->setFixedSize(kFlagSize);
        auto* button = new QRadioButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        grid->addWidget(flag, code - 1, 0);
        grid->addWidget(button, code - 1, 1);
        buttons_[static_cast<std::size_t>(code)] = button;
    }
    grid->setColumnStretch(1, 1);
    buttons_[1]->setChecked(true);
}

int LanguageGroup::checkedLanguage() const {
    for (int code = 1; code <= 7; ++code)
        if (buttons_[static_cast<std::size_t>(code)]->isChecked()) return code;
    return 1;
}

void LanguageGroup::checkLanguage(int languageCode) {
    if (languageCode >= 1 && languageCode <= 7) button(languageCode)->setChecked(true);
}

QRadioButton* LanguageGroup::button(int languageCode) const {
    if (languageCode < 1 || languageCode > 7) return nullptr;
    return buttons_[static_cast<std::size_t>(languageCode)];
}

}  // namespace norvex5
