#include "server/Texts.h"

namespace brisvane::server {

namespace {

const Texts English{
    .lan = "English",
    .national = "English",
    .htmlLang = "en",
    .home = "Home",
    .table = "World table",
    .signup = "Sign up",
    .help = "Help",
    .sms = "Text messages",
    .intro = "Brisvane is a six-dice game of the Yatzy family for the Linux desktop: twenty "
             "categories and one budget of 60 rolls for the whole game. The best games of its "
             "players meet here.",
    .topTen = "The world's top ten",
    .getTitle = "Get the game",
    .getText = "On Debian 12: install the package brisvane (apt install ./brisvane_*.deb), or build "
               "it from its source with the two commands at the top of its README.",
    .sendTitle = "Send your score",
    .sendText = "Sign up here, add the same account in the game's settings (user page), then click "
                "a place of your top ten in the game: the game opens this site with the score.",
    .period = "Period",
    .allTime = "All time",
    .thisMonth = "This month",
    .language = "Language",
    .allLanguages = "All languages",
    .show = "Show",
    .place = "Place",
    .player = "Player",
    .points = "Points",
    .month = "Month",
    .key = "Key",
    .previous = "Previous page",
    .next = "Next page",
    .pageOf = "Page %1 of %2",
    .noEntries = "No entries yet.",
    .entriesOf = "Entries of %1",
    .noPlayer = "There is no player %1.",
    .entryTitle = "Your score is in the world table",
    .entryText = "%1 points by %2: place %3 of the world table.",
    .entryAgain = "Sending it again changes nothing: each game counts once.",
    .name = "User name",
    .password = "Password",
    .passwordAgain = "Password again",
    .create = "Create the account",
    .nameHint = "1 to 20 characters; upper and lower case count as one.",
    .passwordHint = "At least 6 characters. The game sends it in the address: use a password of "
                    "its own.",
    .signupDone = "Your account %1 is ready.",
    .signupNext = "Now add the same account in the game: click the user name at the top right (or "
                  "open the settings, user page), choose New, and enter the same user name and "
                  "password. Then click a place of your top ten to send it.",
    .nameEmpty = "Enter a user name.",
    .nameTooLong = "A user name has at most 20 characters.",
    .nameControl = "A user name cannot hold control characters.",
    .nameBlankEdge = "A user name cannot begin or end with a blank.",
    .nameNotUtf8 = "The user name is not readable text.",
    .nameTaken = "The user name %1 is taken.",
    .passwordsDiffer = "The two passwords differ.",
    .passwordShort = "A password has at least 6 characters.",
    .passwordLong = "A password has at most 100 characters.",
    .smsText = "The text-message service is not offered.",
    .refused = "The score was not entered",
    .unknownAccount = "There is no account %1.",
    .signupLink = "Sign up with that name",
    .wrongPassword = "The password of %1 is wrong: check the account in the game's settings.",
    .badKey = "The key does not match the points and the date: the score was not made by the game.",
    .futureDate = "The date of this score lies in the future.",
    .badDate = "The date of this score is not a month.",
    .badPoints = "No game can score %1 points.",
    .unknownVersion = "This version of the game is not known here.",
    .incomplete = "The address is incomplete: %1 is missing.",
    .ambiguous = "The address can be read in more than one way (%1 appears twice). A user name or "
                 "password with \"&\" needs a newer version of the game.",
    .tooMany = "Too many attempts: try again in a minute.",
    .notFound = "There is no such page.",
    .tooLarge = "The request is too large.",
    .failure = "The service has a problem: try again later.",
    .helpHtml =
        "<h2>The game</h2><p>Six dice, twenty categories and one budget of 60 rolls for the whole "
        "game: rolls you do not use in one turn stay for later turns. After every roll all six dice "
        "lie on the table; pick up the dice you want to roll again, roll, and fill a category by "
        "clicking it. A category takes only a result that scores more than 0: there is no "
        "scratching. The game ends when all twenty categories are filled or the rolls are used "
        "up.</p><h2>The categories</h2><ul><li>Ones to Sixes: the sum of the dice showing that "
        "face. 84 points or more in these six earn a bonus of 100.</li><li>One pair, Two pairs, "
        "Three pairs: twice the face of each pair, the highest pairs counting.</li><li>Three, Four "
        "and Five of a kind: that many times the face.</li><li>Small straight (1 to 5) 15, Large "
        "straight (2 to 6) 20, Full straight (1 to 6) 21.</li><li>Hut: three of a kind and a pair. "
        "House: two different triples. Tower: four of a kind and a pair. Each scores the sum of "
        "those dice.</li><li>Chance: the sum of all six dice. Yatzy: six of a kind, 100.</li></ul>"
        "<h2>Controls</h2><ul><li>Roll: click Roll, or press Space or Enter.</li><li>Pick up a "
        "die: click it, or press 1 to 6; Backspace puts picked-up dice back.</li><li>Fill a "
        "category: click it; Up and Down move over the open categories and Enter fills one; S "
        "fills the suggested one.</li><li>F2 starts a new game; H switches the advisor on and "
        "off.</li></ul><h2>Sending a score</h2><p>Click a place of your top ten and confirm: the "
        "game opens this site with the score. The account it is sent as is chosen under the user "
        "name at the top right.</p>",
};

const Texts Swedish{
    .lan = "Swedish",
    .national = "Svenska",
    .htmlLang = "sv",
    .home = "Hem",
    .table = "Världstabellen",
    .signup = "Bli medlem",
    .help = "Hjälp",
    .sms = "SMS",
    .intro = "Brisvane är ett tärningsspel med sex tärningar i Yatzy-familjen för Linux: tjugo "
             "kategorier och 60 slag för hela spelet. Här möts spelarnas bästa omgångar.",
    .topTen = "Världens tio bästa",
    .getTitle = "Skaffa spelet",
    .getText = "På Debian 12: installera paketet brisvane (apt install ./brisvane_*.deb), eller "
               "bygg det från källkoden med de två kommandona överst i dess README.",
    .sendTitle = "Skicka ditt resultat",
    .sendText = "Bli medlem här, lägg till samma konto i spelets inställningar (användarsidan) och "
                "klicka sedan på en plats på din topplista i spelet: spelet öppnar den här sidan "
                "med resultatet.",
    .period = "Period",
    .allTime = "Genom tiderna",
    .thisMonth = "Den här månaden",
    .language = "Språk",
    .allLanguages = "Alla språk",
    .show = "Visa",
    .place = "Plats",
    .player = "Spelare",
    .points = "Poäng",
    .month = "Månad",
    .key = "Nyckel",
    .previous = "Föregående sida",
    .next = "Nästa sida",
    .pageOf = "Sida %1 av %2",
    .noEntries = "Inga resultat än.",
    .entriesOf = "Resultat för %1",
    .noPlayer = "Det finns ingen spelare %1.",
    .entryTitle = "Ditt resultat finns i världstabellen",
    .entryText = "%1 poäng av %2: plats %3 i världstabellen.",
    .entryAgain = "Att skicka det igen ändrar ingenting: varje spel räknas en gång.",
    .name = "Användarnamn",
    .password = "Lösenord",
    .passwordAgain = "Lösenordet igen",
    .create = "Skapa kontot",
    .nameHint = "1 till 20 tecken; stora och små bokstäver räknas som samma.",
    .passwordHint = "Minst 6 tecken. Spelet skickar det i adressen: använd ett eget lösenord.",
    .signupDone = "Ditt konto %1 är klart.",
    .signupNext = "Lägg nu till samma konto i spelet: klicka på användarnamnet uppe till höger "
                  "(eller öppna inställningarna, användarsidan), välj Ny och skriv samma "
                  "användarnamn och lösenord. Klicka sedan på en plats på din topplista för att "
                  "skicka den.",
    .nameEmpty = "Skriv ett användarnamn.",
    .nameTooLong = "Ett användarnamn har högst 20 tecken.",
    .nameControl = "Ett användarnamn kan inte innehålla styrtecken.",
    .nameBlankEdge = "Ett användarnamn kan inte börja eller sluta med ett mellanslag.",
    .nameNotUtf8 = "Användarnamnet är inte läsbar text.",
    .nameTaken = "Användarnamnet %1 är upptaget.",
    .passwordsDiffer = "De två lösenorden är olika.",
    .passwordShort = "Ett lösenord har minst 6 tecken.",
    .passwordLong = "Ett lösenord har högst 100 tecken.",
    .smsText = "SMS-tjänsten erbjuds inte.",
    .refused = "Resultatet togs inte emot",
    .unknownAccount = "Det finns inget konto %1.",
    .signupLink = "Bli medlem med det namnet",
    .wrongPassword = "Lösenordet för %1 är fel: kontrollera kontot i spelets inställningar.",
    .badKey = "Nyckeln stämmer inte med poängen och datumet: resultatet kommer inte från spelet.",
    .futureDate = "Resultatets datum ligger i framtiden.",
    .badDate = "Resultatets datum är ingen månad.",
    .badPoints = "Inget spel kan ge %1 poäng.",
    .unknownVersion = "Den här versionen av spelet är inte känd här.",
    .incomplete = "Adressen är ofullständig: %1 saknas.",
    .ambiguous = "Adressen kan läsas på mer än ett sätt (%1 förekommer två gånger). Ett "
                 "användarnamn eller lösenord med \"&\" kräver en nyare version av spelet.",
    .tooMany = "För många försök: försök igen om en minut.",
    .notFound = "Sidan finns inte.",
    .tooLarge = "Förfrågan är för stor.",
    .failure = "Tjänsten har ett problem: försök igen senare.",
    .helpHtml =
        "<h2>Spelet</h2><p>Sex tärningar, tjugo kategorier och 60 slag för hela spelet: slag som "
        "du inte använder i en omgång sparas till senare. Efter varje slag ligger alla sex "
        "tärningar på bordet; plocka upp dem du vill slå om, slå, och fyll en kategori genom att "
        "klicka på den. En kategori tar bara ett resultat som ger mer än 0: det går inte att "
        "stryka. Spelet slutar när alla tjugo kategorier är fyllda eller slagen är slut.</p>"
        "<h2>Kategorierna</h2><ul><li>Ettor till sexor: summan av tärningarna med det värdet. 84 "
        "poäng eller mer på dessa sex ger en bonus på 100.</li><li>Ett par, två par, tre par: två "
        "gånger värdet av varje par, de högsta paren räknas.</li><li>Tretal, fyrtal och femtal: så "
        "många gånger värdet.</li><li>Liten stege (1 till 5) 15, stor stege (2 till 6) 20, full "
        "stege (1 till 6) 21.</li><li>Kåk: tretal och ett par. Hus: två olika tretal. Torn: fyrtal "
        "och ett par. Var och en ger summan av de tärningarna.</li><li>Chans: summan av alla sex "
        "tärningar. Yatzy: sex lika, 100.</li></ul><h2>Kontroller</h2><ul><li>Slå: klicka på Slå, "
        "eller tryck mellanslag eller Enter.</li><li>Plocka upp en tärning: klicka på den, eller "
        "tryck 1 till 6; Backsteg lägger tillbaka upplockade tärningar.</li><li>Fyll en kategori: "
        "klicka på den; upp- och nedpil flyttar mellan de öppna kategorierna och Enter fyller en; "
        "S fyller den föreslagna.</li><li>F2 startar ett nytt spel; H slår på och av "
        "rådgivaren.</li></ul><h2>Skicka ett resultat</h2><p>Klicka på en plats på din topplista "
        "och bekräfta: spelet öppnar den här sidan med resultatet. Kontot som det skickas med "
        "väljs under användarnamnet uppe till höger.</p>",
};

const Texts German{
    .lan = "German",
    .national = "Deutsch",
    .htmlLang = "de",
    .home = "Start",
    .table = "Weltrangliste",
    .signup = "Anmelden",
    .help = "Hilfe",
    .sms = "SMS",
    .intro = "Brisvane ist ein Würfelspiel mit sechs Würfeln aus der Yatzy-Familie für Linux: "
             "zwanzig Kategorien und 60 Würfe für das ganze Spiel. Hier treffen sich die besten "
             "Spiele seiner Spieler.",
    .topTen = "Die zehn Besten der Welt",
    .getTitle = "Das Spiel bekommen",
    .getText = "Auf Debian 12: das Paket brisvane installieren (apt install ./brisvane_*.deb) oder "
               "es mit den zwei Befehlen oben in seiner README aus dem Quelltext bauen.",
    .sendTitle = "Ergebnis senden",
    .sendText = "Hier anmelden, dasselbe Konto in den Einstellungen des Spiels (Benutzerseite) "
                "anlegen und dann im Spiel auf einen Platz der eigenen Bestenliste klicken: das "
                "Spiel öffnet diese Seite mit dem Ergebnis.",
    .period = "Zeitraum",
    .allTime = "Aller Zeiten",
    .thisMonth = "Dieser Monat",
    .language = "Sprache",
    .allLanguages = "Alle Sprachen",
    .show = "Anzeigen",
    .place = "Platz",
    .player = "Spieler",
    .points = "Punkte",
    .month = "Monat",
    .key = "Schlüssel",
    .previous = "Vorige Seite",
    .next = "Nächste Seite",
    .pageOf = "Seite %1 von %2",
    .noEntries = "Noch keine Ergebnisse.",
    .entriesOf = "Ergebnisse von %1",
    .noPlayer = "Es gibt keinen Spieler %1.",
    .entryTitle = "Dein Ergebnis steht in der Weltrangliste",
    .entryText = "%1 Punkte von %2: Platz %3 der Weltrangliste.",
    .entryAgain = "Erneutes Senden ändert nichts: jedes Spiel zählt einmal.",
    .name = "Benutzername",
    .password = "Passwort",
    .passwordAgain = "Passwort wiederholen",
    .create = "Konto anlegen",
    .nameHint = "1 bis 20 Zeichen; Groß- und Kleinschreibung zählen gleich.",
    .passwordHint = "Mindestens 6 Zeichen. Das Spiel sendet es in der Adresse: ein eigenes "
                    "Passwort verwenden.",
    .signupDone = "Dein Konto %1 ist bereit.",
    .signupNext = "Lege nun dasselbe Konto im Spiel an: klicke oben rechts auf den Benutzernamen "
                  "(oder öffne die Einstellungen, Benutzerseite), wähle Neu und gib denselben "
                  "Benutzernamen und dasselbe Passwort ein. Klicke dann auf einen Platz deiner "
                  "Bestenliste, um ihn zu senden.",
    .nameEmpty = "Gib einen Benutzernamen ein.",
    .nameTooLong = "Ein Benutzername hat höchstens 20 Zeichen.",
    .nameControl = "Ein Benutzername darf keine Steuerzeichen enthalten.",
    .nameBlankEdge = "Ein Benutzername darf nicht mit einem Leerzeichen beginnen oder enden.",
    .nameNotUtf8 = "Der Benutzername ist kein lesbarer Text.",
    .nameTaken = "Der Benutzername %1 ist vergeben.",
    .passwordsDiffer = "Die beiden Passwörter sind verschieden.",
    .passwordShort = "Ein Passwort hat mindestens 6 Zeichen.",
    .passwordLong = "Ein Passwort hat höchstens 100 Zeichen.",
    .smsText = "Der SMS-Dienst wird nicht angeboten.",
    .refused = "Das Ergebnis wurde nicht eingetragen",
    .unknownAccount = "Es gibt kein Konto %1.",
    .signupLink = "Mit diesem Namen anmelden",
    .wrongPassword = "Das Passwort von %1 ist falsch: prüfe das Konto in den Einstellungen des "
                     "Spiels.",
    .badKey = "Der Schlüssel passt nicht zu Punkten und Datum: das Ergebnis stammt nicht vom Spiel.",
    .futureDate = "Das Datum dieses Ergebnisses liegt in der Zukunft.",
    .badDate = "Das Datum dieses Ergebnisses ist kein Monat.",
    .badPoints = "Kein Spiel kann %1 Punkte ergeben.",
    .unknownVersion = "Diese Version des Spiels ist hier nicht bekannt.",
    .incomplete = "Die Adresse ist unvollständig: %1 fehlt.",
    .ambiguous = "Die Adresse lässt sich auf mehr als eine Weise lesen (%1 kommt zweimal vor). "
                 "Ein Benutzername oder Passwort mit \"&\" braucht eine neuere Version des Spiels.",
    .tooMany = "Zu viele Versuche: versuche es in einer Minute wieder.",
    .notFound = "Diese Seite gibt es nicht.",
    .tooLarge = "Die Anfrage ist zu groß.",
    .failure = "Der Dienst hat ein Problem: versuche es später wieder.",
    .helpHtml =
        "<h2>Das Spiel</h2><p>Sechs Würfel, zwanzig Kategorien und 60 Würfe für das ganze Spiel: "
        "Würfe, die du in einer Runde nicht brauchst, bleiben für später. Nach jedem Wurf liegen "
        "alle sechs Würfel auf dem Tisch; nimm die Würfel auf, die du neu werfen willst, wirf, und "
        "fülle eine Kategorie durch einen Klick. Eine Kategorie nimmt nur ein Ergebnis über 0: "
        "Streichen gibt es nicht. Das Spiel endet, wenn alle zwanzig Kategorien gefüllt oder die "
        "Würfe verbraucht sind.</p><h2>Die Kategorien</h2><ul><li>Einser bis Sechser: die Summe der "
        "Würfel mit dieser Augenzahl. 84 Punkte oder mehr in diesen sechs bringen einen Bonus von "
        "100.</li><li>Ein Paar, zwei Paare, drei Paare: das Doppelte jedes Paares, die höchsten "
        "Paare zählen.</li><li>Drei-, Vier- und Fünferpasch: so oft die Augenzahl.</li><li>Kleine "
        "Straße (1 bis 5) 15, große Straße (2 bis 6) 20, volle Straße (1 bis 6) 21.</li><li>Full "
        "House: ein Dreierpasch und ein Paar. Haus: zwei verschiedene Dreierpasche. Turm: ein "
        "Viererpasch und ein Paar. Jede zählt die Summe dieser Würfel.</li><li>Chance: die Summe "
        "aller sechs Würfel. Yatzy: sechs gleiche, 100.</li></ul><h2>Bedienung</h2><ul><li>Würfeln: "
        "auf Würfeln klicken oder Leertaste oder Enter drücken.</li><li>Einen Würfel aufnehmen: "
        "anklicken oder 1 bis 6 drücken; die Rücktaste legt aufgenommene Würfel zurück.</li><li>Eine "
        "Kategorie füllen: anklicken; Pfeil auf und ab wandern über die offenen Kategorien und "
        "Enter füllt eine; S füllt die vorgeschlagene.</li><li>F2 beginnt ein neues Spiel; H "
        "schaltet den Ratgeber ein und aus.</li></ul><h2>Ein Ergebnis senden</h2><p>Klicke auf "
        "einen Platz deiner Bestenliste und bestätige: das Spiel öffnet diese Seite mit dem "
        "Ergebnis. Das Konto, mit dem es gesendet wird, wählst du unter dem Benutzernamen oben "
        "rechts.</p>",
};

} // namespace

// In NordicTexts.cpp and WesternTexts.cpp.
extern const Texts Danish, Norwegian, Finnish, Dutch, French, Spanish;

const std::vector<const Texts*>& allTexts() {
    static const std::vector<const Texts*> all{&English, &Swedish, &German,    &Danish, &Norwegian,
                                               &Finnish, &Dutch,   &French, &Spanish};
    return all;
}

const Texts& textsFor(std::string_view lan) {
    for (const Texts* texts : allTexts()) {
        if (texts->lan == lan) {
            return *texts;
        }
    }
    return English;
}

} // namespace brisvane::server
