#pragma once

#include "settings/customlanguages.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The five comment boxes and a keyword list with its box, "Add " and
// "Delete": the part both custom-language groups share.
struct LanguageFields {
    QCheckBox* comments[5] = {}; // "Pascal", "C", "Asm", "Bas", "Ansi"
    QLineEdit* keywordBox = nullptr;
    QPushButton* addKeyword = nullptr;
    QPushButton* deleteKeyword = nullptr;
    QListWidget* keywords = nullptr;

    static const char* const kCommentCaptions[5];
    // "PascalComments" ...: the caption followed by "Comments".
    static QString commentKey(int index);
    QStringList keywordList() const;
};

// "Define new custom language:" on the "New language" tab.
class NewLanguageGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit NewLanguageGroup(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr; // the name
    QLineEdit* Edit3 = nullptr; // the mask
    LanguageFields fields;
    QPushButton* Button13 = nullptr; // "Add language"

    // Add language: the files are written at once; the boxes are emptied.
    void Button13Click();

signals:
    void languageAdded(const QString& name);
};

// "Edit custom language:" on the "Edit language" tab.
class EditLanguageGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit EditLanguageGroup(QWidget* parent = nullptr);

    QListWidget* languageList = nullptr; // "Custom languages spesified"
    QLabel* Label23 = nullptr;           // the selected language
    LanguageFields fields;
    QPushButton* Button14 = nullptr; // "Delete language"
    QPushButton* Button15 = nullptr; // "Change name"
    QPushButton* Button16 = nullptr; // "Change file ext"

    // The list again from the table of contents.
    void refresh();
    // The selected language, empty while none is.
    QString selectedLanguage() const;
    void selectLanguage(const QString& name);
    void Button14Click();
    void Button15Click();
    void Button16Click();

signals:
    void languageDeleted(const QString& name);
    void languageRenamed(const QString& oldName, const QString& newName);
    void fileMaskChanged(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void clearSelection();
    void writeKeywords();
    void showError(const QString& message);
};
