#include "html/widgets/htmlwizards.h"

#include "html/widgets/fieldtabledialog.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/listwizards.h"
#include "html/widgets/tfontform.h"
#include "html/widgets/tframesvalgfrm.h"
#include "html/widgets/tkommentform.h"
#include "html/widgets/tlinkform.h"
#include "html/widgets/tlinkscriptfrm.h"
#include "html/widgets/trolloverform.h"
#include "html/widgets/ttableform.h"
#include "html/widgets/ttilfeldigebilderfrm1.h"

namespace {

WizardDialog* make(HtmlWizard wizard, HtmlHost* host)
{
    using W = HtmlWizard;
    using F = FieldWizardKind;
    switch (wizard) {
    case W::Table: return new TTableForm(host);
    case W::Frames: return new TFramesValgFrm(host);
    case W::Link: return new TLinkForm(host);
    case W::Image: return new FieldTableDialog(host, F::Image);
    case W::Font: return new TFontForm(host);
    case W::HorizontalRule: return new FieldTableDialog(host, F::HorizontalRule);
    case W::Comment: return new TKommentForm(host);
    case W::OrderedList: return new ListWizard(host, ListWizard::Kind::Ordered);
    case W::UnorderedList: return new ListWizard(host, ListWizard::Kind::Unordered);
    case W::Object: return new FieldTableDialog(host, F::Object);
    case W::Rollover: return new TRolloverForm(host);
    case W::CheckBox: return new FieldTableDialog(host, F::CheckBox);
    case W::RadioButton: return new FieldTableDialog(host, F::RadioButton);
    case W::TextField: return new FieldTableDialog(host, F::TextField);
    case W::PasswordField: return new FieldTableDialog(host, F::PasswordField);
    case W::HiddenField: return new FieldTableDialog(host, F::HiddenField);
    case W::FileField: return new FieldTableDialog(host, F::FileField);
    case W::ImageButton: return new FieldTableDialog(host, F::ImageButton);
    case W::Button: return new FieldTableDialog(host, F::Button);
    case W::TextArea: return new FieldTableDialog(host, F::TextArea);
    case W::PopupMenu: return new ListWizard(host, ListWizard::Kind::Selection);
    case W::RandomImages: return new TTilfeldigebilderFrm1(host);
    case W::LinkForwarder: return new TLinkScriptFrm(host);
    case W::BrowserInformation: return new FieldTableDialog(host, F::BrowserInformation);
    }
    return nullptr;
}

} // namespace

WizardDialog* openHtmlWizard(HtmlWizard wizard, HtmlHost* host)
{
    // The button and link wizards take what they need from the document.
    if ((wizard == HtmlWizard::Button || wizard == HtmlWizard::Link) && !host->hasEditor())
        return nullptr;
    WizardDialog* dialog = make(wizard, host);
    if (dialog)
        dialog->showWizard();
    return dialog;
}
