#pragma once

#include "settings/widgets/highlightpreview.h"

#include <array>
#include <memory>

class TSynCustomHighlighter;
class TSynEdit;
class TSynGeneralSyn;

// The options dialog's preview: our edit control with a highlighter of each
// kind, starting from the highlighters' own colours.
class SynPreview : public HighlightPreview {
    Q_OBJECT
public:
    explicit SynPreview(QWidget* parent = nullptr);
    ~SynPreview() override;

    void showHighlighter(PreviewLanguage language) override;
    PreviewLanguage shownHighlighter() const override { return m_shown; }
    AttributeList attributes(PreviewLanguage language) const override;
    void setAttribute(PreviewLanguage language, const AttributeStyle& attribute) override;
    void loadAttributes(PreviewLanguage language, const IniFile& file) override;
    QStringList sampleText(PreviewLanguage language) const override;
    void applyCustomLanguage(const CustomLanguageDefinition& definition) override;
    QStringList lines() const override;
    void setLines(const QStringList& lines) override;

    TSynEdit* edit() const { return m_edit; }

protected:
    // The text area, which has the focus, carries the name given to the
    // preview.
    bool event(QEvent* event) override;

public:
    TSynCustomHighlighter* highlighter(PreviewLanguage language) const;

private:
    TSynEdit* m_edit;
    std::array<std::unique_ptr<TSynCustomHighlighter>, 7> m_highlighters;
    TSynGeneralSyn* m_general = nullptr;
    PreviewLanguage m_shown = PreviewLanguage::Java;
};
