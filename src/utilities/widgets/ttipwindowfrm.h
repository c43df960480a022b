#pragma once

#include "utilities/tipsfile.h"

#include <QDialog>

#include <optional>

class IniFile;
class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

// "Tip of the day": a picture with one tip from tips.txt lying on it, a
// check box for showing it at start and "Next tip", which steps through the
// tips in a cycle from a random one. Not modal, kept above other windows;
// it deletes itself when closed.
class TTipWindowFrm : public QDialog {
    Q_OBJECT
public:
    // Reads the tips and shows the first one; `settings` must outlive the
    // window. A file that cannot be read is reported in a box of its own and
    // the window shows no tip.
    TTipWindowFrm(IniFile& settings, const QString& tipsPath, QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr; // "Next tip"
    QPushButton* Button2 = nullptr; // "Close"

    int tipCount() const { return m_tips ? m_tips->count() : 0; }
    int currentTip() const { return m_current; }
    // Starts the cycle at tip `current` (the next shown is the one after).
    void setCurrentTip(int current) { m_current = current; }

    void GetTipNr(); // GetTipNr: show the next tip

    // However it closes (button, Escape, the title bar), the check box is
    // written.
    void done(int result) override;

private:
    void FormCreate(const QString& tipsPath);
    void FormClose();

    IniFile& m_settings;
    std::optional<TipsFile> m_tips;
    int m_current = 0;
};
