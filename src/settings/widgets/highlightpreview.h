#pragma once

#include "settings/colorschemes.h"

#include <QStringList>
#include <QWidget>

class IniFile;
struct CustomLanguageDefinition;

// An edit control with one highlighter of each kind (Java, HTML, CSS, Perl,
// PHP, XML and the configurable one of custom languages), showing one of
// them: the options dialog's colour preview and its template code box. The
// edit control lives in the editor subsystem; the frame window makes one
// for the dialog (OptionsHost::createHighlightPreview).
class HighlightPreview : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The highlighter the text is shown with.
    virtual void showHighlighter(PreviewLanguage language) = 0;
    virtual PreviewLanguage shownHighlighter() const = 0;

    // The elements of a highlighter, sorted by name, and changes to one of
    // them (found by name); the text repaints at once.
    virtual AttributeList attributes(PreviewLanguage language) const = 0;
    virtual void setAttribute(PreviewLanguage language, const AttributeStyle& attribute) = 0;
    // The elements whose sections a colour file holds take its values.
    virtual void loadAttributes(PreviewLanguage language, const IniFile& file) = 0;
    // The highlighter's own sample text (CSS, Perl, PHP, XML).
    virtual QStringList sampleText(PreviewLanguage language) const = 0;
    // Keywords, comment styles and string quote of a custom language for the
    // configurable highlighter.
    virtual void applyCustomLanguage(const CustomLanguageDefinition& definition) = 0;

    virtual QStringList lines() const = 0;
    virtual void setLines(const QStringList& lines) = 0;

signals:
    // A mouse button went down in the text.
    void clicked();
};
