// Program entry. Until the frame window lands, this opens the files named
// on the command line in editor controls inside an MDI area.
#include "editor/editorcolors.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsyncsssyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/widgets/gutterglyphs.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include <memory>

namespace {

std::unique_ptr<TSynCustomHighlighter> highlighterFor(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    std::unique_ptr<TSynCustomHighlighter> hl;
    if (ext == "java")
        hl = std::make_unique<TSynJavaSyn>();
    else if (ext.startsWith("htm"))
        hl = std::make_unique<TSynHTMLSyn>();
    else if (ext == "css")
        hl = std::make_unique<TSynCssSyn>();
    else if (ext == "xml")
        hl = std::make_unique<TSynXMLSyn>();
    else if (ext == "pl")
        hl = std::make_unique<TSynPerlSyn>();
    else if (ext == "php")
        hl = std::make_unique<TSynPHPSyn>();
    else if (ext != "txt")
        hl = std::make_unique<TSynGeneralSyn>();
    if (hl)
        applyEditorWindowColors(*hl);
    return hl;
}

class EditorChild : public QWidget {
public:
    explicit EditorChild(const QString& path) : m_path(path)
    {
        m_edit = new TSynEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_edit);
        m_edit->setBookmarkImages(makeBookmarkGlyphs());
        m_edit->gutter()->setGutterWidth(52);
        m_highlighter = highlighterFor(path);
        m_edit->setHighlighter(m_highlighter.get());
        setWindowTitle(path.isEmpty() ? QStringLiteral("Untitled1.txt") : QFileInfo(path).fileName());
    }
    ~EditorChild() override { m_edit->setHighlighter(nullptr); }
    TSynEdit* edit() const { return m_edit; }
    QString m_path;

private:
    TSynEdit* m_edit;
    std::unique_ptr<TSynCustomHighlighter> m_highlighter;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellam Vornic"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pellam Vornic v3.2"));
    auto* mdi = new QMdiArea(&window);
    window.setCentralWidget(mdi);

    auto open = [&](const QString& path) {
        auto* child = new EditorChild(path);
        if (!path.isEmpty()) {
            const Result<void> r = child->edit()->loadFromFile(path);
            if (!r)
                QMessageBox::critical(&window, QStringLiteral("Error"), r.error());
        }
        mdi->addSubWindow(child)->show();
    };
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."), QKeySequence::Open, &window, [&] {
        const QString path = QFileDialog::getOpenFileName(&window);
        if (!path.isEmpty())
            open(path);
    });
    file->addAction(QStringLiteral("&Save"), QKeySequence::Save, &window, [&] {
        auto* sub = mdi->activeSubWindow();
        auto* child = sub ? static_cast<EditorChild*>(sub->widget()) : nullptr;
        if (!child)
            return;
        if (child->m_path.isEmpty())
            child->m_path = QFileDialog::getSaveFileName(&window);
        if (child->m_path.isEmpty())
            return;
        const Result<void> r = child->edit()->saveToFile(child->m_path);
        if (!r)
            QMessageBox::critical(&window, QStringLiteral("Error"), r.error());
    });
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);

    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        open(QDir::current().absoluteFilePath(args[1]));
    window.showMaximized();
    return QApplication::exec();
}
