#pragma once

#include <QString>

// Anschriften des Herstellers; die einzige Stelle, an der sie stehen.
namespace Kontakt {
inline const QString EMail = QStringLiteral("tandrix@example.org");
inline const QString Webadresse = QStringLiteral("https://www.example.org/tandrix/");
inline const QString WebName = QStringLiteral("www.example.org");
inline const QString MailBetreff = QStringLiteral("Rueckmeldung zu Tandrix 1.1");
}  // namespace Kontakt
