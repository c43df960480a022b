// TEditForm: the context menu. Items of the main groups forward to the
// frame window's command of the same name.
#include "editor/widgets/tsynedit.h"
#include "workspace/widgets/editorhost.h"
#include "workspace/widgets/teditform.h"

#include <QMenu>

namespace {

struct Item {
    const char* caption;
    const char* mainCommand; // object name of the frame window's menu item; empty: none yet
};

} // namespace

void TEditForm::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    auto forward = [this](QMenu* menu, const Item& item) {
        QAction* a = menu->addAction(QString::fromLatin1(item.caption));
        const QString command = QString::fromLatin1(item.mainCommand);
        connect(a, &QAction::triggered, this, [this, command] {
            if (!command.isEmpty())
                m_host->runMainCommand(command);
        });
        return a;
    };
    auto group = [&](const char* caption, std::initializer_list<Item> items) {
        QMenu* sub = PopupMenu1->addMenu(QString::fromLatin1(caption));
        for (const Item& item : items)
            forward(sub, item);
        return sub->menuAction();
    };

    m_addWatch = PopupMenu1->addAction(QStringLiteral("Add to debugger watch"));
    connect(m_addWatch, &QAction::triggered, this, [this] { Addtodebuggerwatch1Click(); });
    m_javaItems.push_back(m_addWatch);
    m_javaItems.push_back(PopupMenu1->addSeparator());
    m_javaItems.push_back(group("Compiling", {{"Compile", "Compile1"}, {"Compile and Run", "CompileandRun1"}}));
    QAction* debugging = group("Debugging", {{"Start debug", "Startdebug1"},
                                             {"Stop debug", "Stopdebug1"},
                                             {"Next instruction", "Nextinstruction1"},
                                             {"Set breakpoint", "Setbreakpoint1"},
                                             {"Delete breakpoint", "Deletebreakpoint1"},
                                             {"Variable tracker", "Variabletracker1"}});
    debugging->menu()->actions().at(1)->setEnabled(false);
    debugging->menu()->actions().at(2)->setEnabled(false);
    m_javaItems.push_back(debugging);
    m_javaItems.push_back(group("Insert code", {{"System.out.println", "Systemoutprintln2"},
                                                {"public ... function", "javaInsertPublicFunction"},
                                                {"Main function", "Mainfunction1"},
                                                {"switch", "javaInsertSwitch"},
                                                {"class", "javaInsertClass"},
                                                {"Panel", "javaInsertPanel"},
                                                {"Button", "javaInsertButton"},
                                                {"Checkbox", "javaInsertCheckbox"},
                                                {"Radio button", "javaInsertRadioButton"},
                                                {"Textfield", "javaInsertTextfield"},
                                                {"Label", "javaInsertLabel"},
                                                {"Listbox", "javaInsertListbox"},
                                                {"Font", "javaInsertFont"}}));
    m_javaItems.push_back(PopupMenu1->addSeparator());

    m_htmlItems.push_back(group("Common", {{"Image", "Image1"},
                                           {"Link", "Link1"},
                                           {"Comment", "Comment2"},
                                           {"Table", "able1"},
                                           {"Frameset", "Frameset2"},
                                           {"Font", "Font3"},
                                           {"Ordered List", "OrderedList1"},
                                           {"Unordered list", "UnorderedList1"},
                                           {"Break (<br>)", "Linebreakbr1"},
                                           {"Horisontal ruler (<hr>)", ""}}));
    m_htmlItems.push_back(group("Special characters", {{"Non braking space", "Nonbrakingspace1"},
                                                       {"Vertical bar", ""},
                                                       {"Degree sign", ""},
                                                       {"Copyright mark (c)", ""},
                                                       {"Registered mark (r)", ""},
                                                       {"Left quotation mark", ""},
                                                       {"Right quotation mark", ""}}));
    m_htmlItems.push_back(group("Form", {{"Password field", ""},
                                         {"Hidden field", ""},
                                         {"Ordinary Button", ""},
                                         {"Send Button", ""},
                                         {"Reset Button", ""},
                                         {"Text field", ""},
                                         {"Options field", ""},
                                         {"Checkbox", ""},
                                         {"Radio button", ""},
                                         {"Text area", ""},
                                         {"Image button", ""},
                                         {"File field", ""},
                                         {"Form body (<form></form>)", "FormBodyformform1"}}));
    m_htmlItems.push_back(group("Alignment", {{"Centered", ""}, {"Left", ""}, {"Right", ""}}));
    m_htmlItems.push_back(group("Font", {{"Italics", ""}, {"Bold", ""}, {"Italics and bold", ""}}));
    m_htmlItems.push_back(PopupMenu1->addSeparator());

    auto local = [this](const char* caption, void (TEditForm::*method)()) {
        QAction* a = PopupMenu1->addAction(QString::fromLatin1(caption));
        connect(a, &QAction::triggered, this, [this, method] { (this->*method)(); });
        return a;
    };
    m_markItems.push_back(local("Set breakpoint", &TEditForm::SetBreakpoint));
    m_markItems.push_back(local("Clear breakpoint on current line", &TEditForm::ClearBreakPoint));
    m_markItems.push_back(local("Next breakpoint", &TEditForm::NextBreakPointJump));
    m_markItems.push_back(local("Previous breakpoint", &TEditForm::PreviousBreakPointJump));
    local("Clear all breakpoints", &TEditForm::Fjernallbokmerker1Click)->setVisible(false);
    m_markItems.push_back(PopupMenu1->addSeparator());

    // Bookmarks are set and reached with the edit control's keys; these two
    // sub-menus stay hidden.
    for (const char* caption : {"Set bookmark", "Goto bookmark"}) {
        QMenu* sub = PopupMenu1->addMenu(QString::fromLatin1(caption));
        for (int n = 0; n < 10; ++n)
            sub->addAction(QStringLiteral("Bookmark %1").arg(n));
        sub->menuAction()->setVisible(false);
    }

    QMenu* edit = PopupMenu1->addMenu(QStringLiteral("Edit"));
    connect(edit->addAction(QStringLiteral("Undo")), &QAction::triggered, this, [this] { Undo1Click(); });
    connect(edit->addAction(QStringLiteral("Redo")), &QAction::triggered, this, [this] { Gjenta1Click(); });
    connect(edit->addAction(QStringLiteral("Copy")), &QAction::triggered, this, [this] { Copier1Click(); });
    connect(edit->addAction(QStringLiteral("Cut")), &QAction::triggered, this, [this] { Klipput1Click(); });
    connect(edit->addAction(QStringLiteral("Paste")), &QAction::triggered, this, [this] { Liminn1Click(); });
    connect(edit->addAction(QStringLiteral("Select all")), &QAction::triggered, this, [this] { VelgAlt1Click(); });
    group("&Search", {{"Find", "Find1"},
                      {"Find Next", "FindNext1"},
                      {"Replace", "Replace1"},
                      {"Replace again", "Replaceagain1"},
                      {"Goto linenumber..", "Gotoline1"},
                      {"Spellcheck document..", "Spellcheck1"}});
    group("&File", {{"P&rint..", "Print1"},
                    {"Print preview", "ForhndVisning1"},
                    {"S&ave", "Save1"},
                    {"Sa&ve as..", "SaveAs1"},
                    {"Close document", "Close1"}});

    // "Add to debugger watch" needs a statement on the caret line.
    connect(PopupMenu1, &QMenu::aboutToShow, this,
            [this] { m_addWatch->setEnabled(SynEdit1->lineText().contains(QLatin1Char(';'))); });
}

void TEditForm::setPopupGroups(const QString& extension)
{
    const bool java = extension.contains(QLatin1String(".java"));
    const bool html = !java && extension.contains(QLatin1String(".htm"));
    for (QAction* a : m_javaItems)
        a->setVisible(java);
    for (QAction* a : m_markItems)
        a->setVisible(java);
    for (QAction* a : m_htmlItems)
        a->setVisible(html);
}
