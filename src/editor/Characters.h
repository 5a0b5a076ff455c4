#pragma once
// The game's fifty characters in the order of the character list, and their portrait files. The drawing tool
// in tools/ uses this list too, so the pictures and the list never disagree.
#include <QString>
#include <array>

inline const std::array<QString, 50>& characterNames() {
    static const std::array<QString, 50> names = {
        "Ambrosia",  "Arclite", "Asp",     "BlackJack",  "Brock",    "Brutalis", "Cannonball", "Cleopatra", "Cobalt",
        "Corrosion", "Damarus", "Diva",    "Domina",     "Faraleth", "Fate",     "Frostbite",  "Gorge",     "Harlequin",
        "Horus",     "Hyena",   "Komek",   "Lauren",     "Lilith",   "Makreth",  "Malcolm",    "Mandible",  "Memphis",
        "Mokara",    "Motig",   "Mr.Crow", "Nebri",      "Prism",    "Rapier",   "Ravage",     "Reinha",    "Remus",
        "Renegade",  "Roc",     "Romulus", "Rylisa",     "Sapphire", "Satin",    "Scarab",     "Selig",     "Siren",
        "Syzygy",    "Thorax",  "Torch",   "Widowmaker", "Wraith"};
    return names;
}

// The portrait of a listed character: its name followed by ".jpg", without points ("MrCrow.jpg" for "Mr.Crow").
inline QString portraitFile(const QString& name) {
    return QString(name).remove(QChar('.')) + QStringLiteral(".jpg");
}
