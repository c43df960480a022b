// TMainForm: the Java code generators: the snippets of the Insert menu and
// of the "Insert code.." popup, the class wizard, the exception and
// try-catch generators and the expression builder.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/widgets/tsynedit.h"
#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/texeptionfrm.h"
#include "generators/widgets/texpbuilder.h"
#include "generators/widgets/tjavaklassewizfrm.h"
#include "generators/widgets/tunntak.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {

using Snippet = JavaSnippets::Snippet;

// The snippet items: their Insert menu item, their caption in the popup
// and their handler.
struct SnippetItem {
    const char* menuItem;
    const char* popupCaption;
    void (TMainForm::*handler)();
};

constexpr SnippetItem kSnippetItems[] = {
    {"Systemoutprintln2", "System.out.println", &TMainForm::Systemoutprintln1Click},
    {nullptr, nullptr, nullptr},
    {"javaInsertPublicFunction", "public function", &TMainForm::publicfunksjonsnavn1Click},
    {"Mainfunction1", "Main function", &TMainForm::MainFunksjon2Click},
    {"javaInsertSwitch", "switch", &TMainForm::switch1Click},
    {"javaInsertClass", "class", &TMainForm::class1Click},
    {nullptr, nullptr, nullptr},
    {"javaInsertPanel", "Panel", &TMainForm::Panel3Click},
    {"javaInsertButton", "Button", &TMainForm::Knapp2Click},
    {"javaInsertCheckbox", "Checkbox", &TMainForm::Checkboks1Click},
    {"javaInsertRadioButton", "Radio button", &TMainForm::Radioknapp2Click},
    {"javaInsertTextfield", "Textfield", &TMainForm::Tekstfelt2Click},
    {"javaInsertLabel", "Label", &TMainForm::Label1Click},
    {"javaInsertListbox", "Listbox", &TMainForm::Listeboks2Click},
    {"javaInsertFont", "Font", &TMainForm::Font1Click},
};

} // namespace

// ---- GeneratorHost --------------------------------------------------------

TSynEdit* TMainForm::generatorEdit() const
{
    TEditForm* e = GetActiveEditor();
    return e ? e->SynEdit1 : nullptr;
}

void TMainForm::insertGeneratedText(const QString& text)
{
    SkrivTekstenTilEditor(text);
}
QString TMainForm::caretLineIndent() const
{
    return FindWhitespaceInFront();
}

// ---- snippets -------------------------------------------------------------

void TMainForm::Systemoutprintln1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Println);
}
void TMainForm::publicfunksjonsnavn1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::PublicFunction);
}
void TMainForm::MainFunksjon2Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::MainFunction);
}
void TMainForm::switch1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Switch);
}
void TMainForm::class1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Class);
}
void TMainForm::Panel3Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Panel);
}
void TMainForm::Knapp2Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Button);
}
void TMainForm::Checkboks1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Checkbox);
}
void TMainForm::Radioknapp2Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::RadioButton);
}
void TMainForm::Tekstfelt2Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Textfield);
}
void TMainForm::Label1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Label);
}
void TMainForm::Listeboks2Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Listbox);
}
void TMainForm::Font1Click()
{
    GeneratorCommands::insertSnippet(*this, Snippet::Font);
}

void TMainForm::SpeedButton47Click()
{
    QToolButton* button = toolPages->SpeedButton47;
    JavaElementer->popup(button->mapToGlobal(QPoint(button->width(), 0)));
}

// ---- dialogs --------------------------------------------------------------

void TMainForm::SpeedButton31Click()
{
    if (generatorEdit())
        TJavaKlasseWizFrm(*this, this).exec();
}

void TMainForm::SpeedButton1Click()
{
    if (generatorEdit())
        TUnntak(*this, this).exec();
}

void TMainForm::SpeedButton32Click()
{
    if (generatorEdit())
        TExeptionFrm(*this, this).exec();
}

void TMainForm::SpeedButton46Click()
{
    if (generatorEdit())
        TExpBuilder(*this, this).exec();
}

void TMainForm::wireGenerators()
{
    JavaElementer = new QMenu(this);
    JavaElementer->setObjectName(QStringLiteral("JavaElementer"));
    for (const SnippetItem& item : kSnippetItems) {
        if (!item.handler) {
            JavaElementer->addSeparator();
            continue;
        }
        const auto handler = item.handler;
        connect(JavaElementer->addAction(QLatin1String(item.popupCaption)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
        if (QAction* a = menus->action(QLatin1String(item.menuItem)))
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
    if (toolPages->SpeedButton47)
        connect(toolPages->SpeedButton47, &QToolButton::clicked, this, [this] { SpeedButton47Click(); });

    // The tool buttons run these through their menu items.
    static const std::pair<const char*, void (TMainForm::*)()> kDialogs[] = {
        {"Classwizard1", &TMainForm::SpeedButton31Click},
        {"Exceptioncodegenerator1", &TMainForm::SpeedButton1Click},
        {"rycatchcodegenerator1", &TMainForm::SpeedButton32Click},
        {"Expressionbuilder1", &TMainForm::SpeedButton46Click},
    };
    for (const auto& [name, handler] : kDialogs)
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
}

// ---- the document's classes -------------------------------------------------

QStringList TMainForm::documentClassNames() const
{
    return FinnKlasseNavnene();
}

QStringList TMainForm::documentClassMembers(const QString& className) const
{
    return FinnAlleDatamedlemmer(className, true);
}
