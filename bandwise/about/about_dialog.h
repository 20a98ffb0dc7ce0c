#pragma once

#include "bandwise/about/about_texts.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace bandwise {

// The About box's client area in twips, by which it is also placed before it is shown.
inline constexpr int kAboutWidthTwips = 4935;
inline constexpr int kAboutHeightTwips = 5055;

// The About box: product, credits, the author's e-mail and the maker's homepage as links,
// "OK" and "Show ReadMe". It is not modal; what its buttons and links do is given to it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> showReadMe;
        std::function<void()> mailAuthor;
        std::function<void()> openHomepage;
    };

    explicit AboutDialog(Actions actions, QWidget* parent = nullptr);

    void applyTexts(const AboutTexts& texts);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Actions m_actions;
    QLabel* m_authorCredit = nullptr;
    QLabel* m_feedback = nullptr;
    QLabel* m_donation = nullptr;
    QLabel* m_thanks = nullptr;
    QLabel* m_translation = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_readMe = nullptr;
};

}  // namespace bandwise
