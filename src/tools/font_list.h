#pragma once

#include <QStringList>

#include <functional>

namespace montora {

// The faces the text panel offers.
class FontList {
public:
    using LoadCheck = std::function<bool(const QString& face)>;

    // The installed faces that pass `offered`, sorted.
    static QStringList faces();

    // The rule on its own: a face is offered when its name does not begin with "@"
    // (vertical-writing variants), is not "Aharoni", fits a text style's face field,
    // and `loadable` says it can be made into a font. Sorted without regard to case.
    static QStringList offered(const QStringList& families, const LoadCheck& loadable);

    // Whether Qt makes a scalable font of exactly this face (not a substitute).
    static bool isLoadable(const QString& face);
};

} // namespace montora
