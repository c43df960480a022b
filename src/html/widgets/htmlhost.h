#pragma once

#include "html/htmlescaping.h"
#include "html/insertion.h"

#include <QString>

class QWidget;

// What the HTML wizards and commands ask of the frame window. The frame
// window implements it over its active editor window.
class HtmlHost {
public:
    virtual ~HtmlHost() = default;

    // The owner of the wizards' windows.
    virtual QWidget* hostWindow() = 0;
    virtual bool hasEditor() const = 0;

    // SkrivTekstenTilEditor, then the caret move when there is one.
    virtual void writeInsertion(const Insertion& insertion) = 0;
    // The caret line's leading blanks (FindWhitespaceInFront).
    virtual QString indentation() const = 0;
    virtual QString selectedText() const = 0;
    // How typed text is written into the active document.
    virtual HtmlEscaper escaper() const = 0;
    // ActiveEditorText: the whole text of the active document.
    virtual QString activeEditorText() const = 0;

    // The web project: its folder (empty when none is defined) and the
    // name of its images folder.
    virtual QString projectCatalog() const = 0;
    virtual QString imagesFolder() const = 0;

    // SoekOgLeggInn and LeggInnTekstITag; false when the tag is not there.
    virtual bool SoekOgLeggInn(const QString& tag, const QString& text) = 0;
    virtual bool LeggInnTekstITag(const QString& tag, const QString& text, int lineBreaks) = 0;

    // LagEnhetHTML: a new HTML document with the text, the caret on a line.
    virtual void LagEnhetHTML(const QString& text, int caretLine) = 0;
    // MakeUnitByName: a new HTML document of that name.
    virtual void MakeUnitByName(const QString& name, const QString& text) = 0;
    // Whether a document of that name (caption) is open.
    virtual bool isDocumentOpen(const QString& name) const = 0;
};
