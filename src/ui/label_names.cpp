#include "ui/label_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace quillon::ui {

namespace {

constexpr char kNameWhileEmpty[] = "quillonNameWhileEmpty";

// Asked afresh each time, so the name follows the text without any call
// where the text is set.
class NamedWhileEmpty final : public QAccessibleWidget {
public:
    explicit NamedWhileEmpty(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind != QAccessible::Name || !label->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        return label->text().isEmpty() ? label->property(kNameWhileEmpty).toString()
                                       : label->text();
    }
};

QAccessibleInterface* namedWhileEmpty(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr || !label->property(kNameWhileEmpty).isValid()) {
        return nullptr;
    }
    return new NamedWhileEmpty(label);
}

}  // namespace

void nameWhileEmpty(QLabel* label, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(namedWhileEmpty);
        return true;
    }();
    static_cast<void>(installed);
    label->setProperty(kNameWhileEmpty, name);
}

}  // namespace quillon::ui
