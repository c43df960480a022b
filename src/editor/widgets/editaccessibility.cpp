#include "editor/widgets/editaccessibility.h"

#include "editor/widgets/editview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

std::vector<QPointer<EditView>>& views()
{
    static std::vector<QPointer<EditView>> list;
    return list;
}

// Consulted before QScintilla's factory (the one installed last wins).
QAccessibleInterface* plainWhileInactive(const QString& className, QObject* object)
{
    if (className != QLatin1String("EditView") || QAccessible::isActive())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

class ActivationObserver : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool) override
    {
        for (const QPointer<EditView>& view : views()) {
            if (!view)
                continue;
            // The next query makes the object that fits the new state.
            if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(view))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
            view->accessibilityChanged();
        }
    }
};

} // namespace

namespace EditAccessibility {

void registerView(EditView* view)
{
    // After the first view is built, so after QScintilla's own factory.
    static const bool installed = [] {
        QAccessible::installFactory(plainWhileInactive);
        QAccessible::installActivationObserver(new ActivationObserver);
        return true;
    }();
    Q_UNUSED(installed);
    std::erase_if(views(), [](const QPointer<EditView>& v) { return v.isNull(); });
    views().emplace_back(view);
}

bool screenReaderActive()
{
    return QAccessible::isActive();
}

} // namespace EditAccessibility
