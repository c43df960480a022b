#pragma once

#include "html/widgets/wizarddialog.h"

#include <QDialog>

class ListEditor;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

// The font chooser ("Select Font"): the font families of the system.
class TFontViewFrm : public QDialog {
    Q_OBJECT
public:
    explicit TFontViewFrm(QWidget* parent = nullptr);
    QString chosenFont() const;
    QListWidget* fonts() const { return m_fonts; }

private:
    QListWidget* m_fonts;
};

// The font wizard ("Font - Wizard:"): wraps the selection in a font tag and
// the chosen style tags.
class TFontForm : public WizardDialog {
    Q_OBJECT
public:
    explicit TFontForm(HtmlHost* host);

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    void findFont();

    QLineEdit* m_font;
    QComboBox* m_size;
    QCheckBox *m_bold, *m_italics, *m_underline;
    ListEditor* m_fonts;
    QCheckBox* m_series;
    QComboBox* m_seriesChoice;
};
