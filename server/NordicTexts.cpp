// The service's texts in Danish, Norwegian and Finnish (Texts.h says how they are used).

#include "server/Texts.h"

namespace brisvane::server {

extern const Texts Danish{
    .lan = "Danish",
    .national = "Dansk",
    .htmlLang = "da",
    .home = "Hjem",
    .table = "Verdenstabellen",
    .signup = "Bliv medlem",
    .help = "Hjælp",
    .sms = "SMS",
    .intro = "Brisvane er et terningspil med seks terninger i Yatzy-familien til Linux: tyve "
             "kategorier og 60 slag til hele spillet. Her mødes spillernes bedste spil.",
    .topTen = "Verdens ti bedste",
    .getTitle = "Få spillet",
    .getText = "På Debian 12: installér pakken brisvane (apt install ./brisvane_*.deb), eller byg "
               "den fra kildekoden med de to kommandoer øverst i dens README.",
    .sendTitle = "Send dit resultat",
    .sendText = "Bliv medlem her, tilføj den samme konto i spillets indstillinger (brugersiden) og "
                "klik så på en plads på din topliste i spillet: spillet åbner denne side med "
                "resultatet.",
    .period = "Periode",
    .allTime = "Alle tider",
    .thisMonth = "Denne måned",
    .language = "Sprog",
    .allLanguages = "Alle sprog",
    .show = "Vis",
    .place = "Plads",
    .player = "Spiller",
    .points = "Point",
    .month = "Måned",
    .key = "Nøgle",
    .previous = "Forrige side",
    .next = "Næste side",
    .pageOf = "Side %1 af %2",
    .noEntries = "Ingen resultater endnu.",
    .entriesOf = "Resultater for %1",
    .noPlayer = "Der er ingen spiller %1.",
    .entryTitle = "Dit resultat er i verdenstabellen",
    .entryText = "%1 point af %2: plads %3 i verdenstabellen.",
    .entryAgain = "At sende det igen ændrer intet: hvert spil tæller én gang.",
    .name = "Brugernavn",
    .password = "Adgangskode",
    .passwordAgain = "Adgangskode igen",
    .create = "Opret kontoen",
    .nameHint = "1 til 20 tegn; store og små bogstaver tæller som det samme.",
    .passwordHint = "Mindst 6 tegn. Spillet sender den i adressen: brug en adgangskode kun til dette.",
    .signupDone = "Din konto %1 er klar.",
    .signupNext = "Tilføj nu den samme konto i spillet: klik på brugernavnet øverst til højre (eller "
                  "åbn indstillingerne, brugersiden), vælg Ny, og skriv det samme brugernavn og "
                  "den samme adgangskode. Klik så på en plads på din topliste for at sende den.",
    .nameEmpty = "Skriv et brugernavn.",
    .nameTooLong = "Et brugernavn har højst 20 tegn.",
    .nameControl = "Et brugernavn kan ikke indeholde styretegn.",
    .nameBlankEdge = "Et brugernavn kan ikke begynde eller slutte med et mellemrum.",
    .nameNotUtf8 = "Brugernavnet er ikke læsbar tekst.",
    .nameTaken = "Brugernavnet %1 er optaget.",
    .passwordsDiffer = "De to adgangskoder er forskellige.",
    .passwordShort = "En adgangskode har mindst 6 tegn.",
    .passwordLong = "En adgangskode har højst 100 tegn.",
    .smsText = "SMS-tjenesten tilbydes ikke.",
    .refused = "Resultatet blev ikke modtaget",
    .unknownAccount = "Der er ingen konto %1.",
    .signupLink = "Bliv medlem med det navn",
    .wrongPassword = "Adgangskoden til %1 er forkert: tjek kontoen i spillets indstillinger.",
    .badKey = "Nøglen passer ikke til point og dato: resultatet kommer ikke fra spillet.",
    .futureDate = "Resultatets dato ligger i fremtiden.",
    .badDate = "Resultatets dato er ikke en måned.",
    .badPoints = "Intet spil kan give %1 point.",
    .unknownVersion = "Denne version af spillet kendes ikke her.",
    .incomplete = "Adressen er ufuldstændig: %1 mangler.",
    .ambiguous = "Adressen kan læses på mere end én måde (%1 står der to gange). Et brugernavn "
                 "eller en adgangskode med \"&\" kræver en nyere version af spillet.",
    .tooMany = "For mange forsøg: prøv igen om et minut.",
    .notFound = "Siden findes ikke.",
    .tooLarge = "Forespørgslen er for stor.",
    .failure = "Tjenesten har et problem: prøv igen senere.",
    .helpHtml =
        "<h2>Spillet</h2><p>Seks terninger, tyve kategorier og 60 slag til hele spillet: slag, du "
        "ikke bruger i én tur, gemmes til senere. Efter hvert slag ligger alle seks terninger på "
        "bordet; tag dem op, du vil slå om, slå, og udfyld en kategori ved at klikke på den. En "
        "kategori tager kun et resultat over 0: man kan ikke stryge. Spillet slutter, når alle "
        "tyve kategorier er udfyldt, eller slagene er brugt.</p><h2>Kategorierne</h2><ul><li>Enere "
        "til seksere: summen af terningerne med den værdi. 84 point eller mere i disse seks giver "
        "en bonus på 100.</li><li>Et par, to par, tre par: to gange værdien af hvert par, de "
        "højeste par tæller.</li><li>Tre, fire og fem ens: så mange gange værdien.</li><li>Lille "
        "straight (1 til 5) 15, stor straight (2 til 6) 20, fuld straight (1 til 6) 21.</li><li>"
        "Hus: tre ens og et par. Villa: to forskellige sæt tre ens. Tårn: fire ens og et par. Hver "
        "giver summen af de terninger.</li><li>Chance: summen af alle seks terninger. Yatzy: seks "
        "ens, 100.</li></ul><h2>Betjening</h2><ul><li>Slå: klik på slå-knappen, eller tryk "
        "mellemrum eller Enter.</li><li>Tag en terning op: klik på den, eller tryk 1 til 6; "
        "Backspace lægger optagne terninger tilbage.</li><li>Udfyld en kategori: klik på den; pil op "
        "og ned flytter mellem de åbne kategorier, og Enter udfylder én; S udfylder den foreslåede."
        "</li><li>F2 starter et nyt spil; H slår rådgiveren til og fra.</li></ul><h2>Send et "
        "resultat</h2><p>Klik på en plads på din topliste og bekræft: spillet åbner denne side med "
        "resultatet. Kontoen, det sendes med, vælges under brugernavnet øverst til højre.</p>",
};

extern const Texts Norwegian{
    .lan = "Norwegian",
    .national = "Norsk",
    .htmlLang = "nb",
    .home = "Hjem",
    .table = "Verdenstabellen",
    .signup = "Bli medlem",
    .help = "Hjelp",
    .sms = "SMS",
    .intro = "Brisvane er et terningspill med seks terninger i Yatzy-familien for Linux: tjue "
             "kategorier og 60 kast for hele spillet. Her møtes spillernes beste spill.",
    .topTen = "Verdens ti beste",
    .getTitle = "Skaff spillet",
    .getText = "På Debian 12: installer pakken brisvane (apt install ./brisvane_*.deb), eller bygg "
               "den fra kildekoden med de to kommandoene øverst i README-filen.",
    .sendTitle = "Send resultatet ditt",
    .sendText = "Bli medlem her, legg til den samme kontoen i spillets innstillinger (brukersiden) "
                "og klikk så på en plass på topplisten din i spillet: spillet åpner denne siden "
                "med resultatet.",
    .period = "Periode",
    .allTime = "Gjennom tidene",
    .thisMonth = "Denne måneden",
    .language = "Språk",
    .allLanguages = "Alle språk",
    .show = "Vis",
    .place = "Plass",
    .player = "Spiller",
    .points = "Poeng",
    .month = "Måned",
    .key = "Nøkkel",
    .previous = "Forrige side",
    .next = "Neste side",
    .pageOf = "Side %1 av %2",
    .noEntries = "Ingen resultater ennå.",
    .entriesOf = "Resultater for %1",
    .noPlayer = "Det finnes ingen spiller %1.",
    .entryTitle = "Resultatet ditt er i verdenstabellen",
    .entryText = "%1 poeng av %2: plass %3 i verdenstabellen.",
    .entryAgain = "Å sende det igjen endrer ingenting: hvert spill teller én gang.",
    .name = "Brukernavn",
    .password = "Passord",
    .passwordAgain = "Passord igjen",
    .create = "Opprett kontoen",
    .nameHint = "1 til 20 tegn; store og små bokstaver teller som det samme.",
    .passwordHint = "Minst 6 tegn. Spillet sender det i adressen: bruk et passord bare til dette.",
    .signupDone = "Kontoen din %1 er klar.",
    .signupNext = "Legg nå til den samme kontoen i spillet: klikk på brukernavnet øverst til høyre "
                  "(eller åpne innstillingene, brukersiden), velg Ny, og skriv det samme "
                  "brukernavnet og passordet. Klikk så på en plass på topplisten din for å sende den.",
    .nameEmpty = "Skriv et brukernavn.",
    .nameTooLong = "Et brukernavn har høyst 20 tegn.",
    .nameControl = "Et brukernavn kan ikke inneholde kontrolltegn.",
    .nameBlankEdge = "Et brukernavn kan ikke begynne eller slutte med et mellomrom.",
    .nameNotUtf8 = "Brukernavnet er ikke lesbar tekst.",
    .nameTaken = "Brukernavnet %1 er opptatt.",
    .passwordsDiffer = "De to passordene er forskjellige.",
    .passwordShort = "Et passord har minst 6 tegn.",
    .passwordLong = "Et passord har høyst 100 tegn.",
    .smsText = "SMS-tjenesten tilbys ikke.",
    .refused = "Resultatet ble ikke tatt imot",
    .unknownAccount = "Det finnes ingen konto %1.",
    .signupLink = "Bli medlem med det navnet",
    .wrongPassword = "Passordet for %1 er feil: sjekk kontoen i spillets innstillinger.",
    .badKey = "Nøkkelen stemmer ikke med poengene og datoen: resultatet kommer ikke fra spillet.",
    .futureDate = "Resultatets dato ligger i fremtiden.",
    .badDate = "Resultatets dato er ikke en måned.",
    .badPoints = "Ingen spill kan gi %1 poeng.",
    .unknownVersion = "Denne versjonen av spillet er ikke kjent her.",
    .incomplete = "Adressen er ufullstendig: %1 mangler.",
    .ambiguous = "Adressen kan leses på mer enn én måte (%1 står der to ganger). Et brukernavn "
                 "eller passord med \"&\" krever en nyere versjon av spillet.",
    .tooMany = "For mange forsøk: prøv igjen om et minutt.",
    .notFound = "Siden finnes ikke.",
    .tooLarge = "Forespørselen er for stor.",
    .failure = "Tjenesten har et problem: prøv igjen senere.",
    .helpHtml =
        "<h2>Spillet</h2><p>Seks terninger, tjue kategorier og 60 kast for hele spillet: kast du "
        "ikke bruker i én runde, spares til senere. Etter hvert kast ligger alle seks terningene "
        "på bordet; plukk opp dem du vil kaste om, kast, og fyll en kategori ved å klikke på den. "
        "En kategori tar bare et resultat over 0: det går ikke å stryke. Spillet slutter når alle "
        "tjue kategoriene er fylt eller kastene er brukt opp.</p><h2>Kategoriene</h2><ul><li>Enere "
        "til seksere: summen av terningene med den verdien. 84 poeng eller mer i disse seks gir "
        "en bonus på 100.</li><li>Ett par, to par, tre par: to ganger verdien av hvert par, de "
        "høyeste parene teller.</li><li>Tre, fire og fem like: så mange ganger verdien.</li><li>"
        "Liten straight (1 til 5) 15, stor straight (2 til 6) 20, full straight (1 til 6) 21."
        "</li><li>Hytte: tre like og et par. Hus: to forskjellige sett med tre like. Tårn: fire "
        "like og et par. Hver gir summen av de terningene.</li><li>Sjanse: summen av alle seks "
        "terningene. Yatzy: seks like, 100.</li></ul><h2>Kontroller</h2><ul><li>Kast: klikk på "
        "kasteknappen, eller trykk mellomrom eller Enter.</li><li>Plukk opp en terning: klikk på "
        "den, eller trykk 1 til 6; Backspace legger oppplukkede terninger tilbake.</li><li>Fyll en "
        "kategori: klikk på den; pil opp og ned flytter mellom de åpne kategoriene, og Enter "
        "fyller én; S fyller den foreslåtte.</li><li>F2 starter et nytt spill; H slår rådgiveren "
        "på og av.</li></ul><h2>Send et resultat</h2><p>Klikk på en plass på topplisten din og "
        "bekreft: spillet åpner denne siden med resultatet. Kontoen det sendes med, velges under "
        "brukernavnet øverst til høyre.</p>",
};

extern const Texts Finnish{
    .lan = "Finnish",
    .national = "Suomi",
    .htmlLang = "fi",
    .home = "Etusivu",
    .table = "Maailman tulostaulu",
    .signup = "Liity",
    .help = "Ohje",
    .sms = "Tekstiviestit",
    .intro = "Brisvane on kuuden nopan Yatzy-perheen noppapeli Linuxille: kaksikymmentä "
             "kategoriaa ja 60 heittoa koko pelille. Täällä pelaajien parhaat pelit kohtaavat.",
    .topTen = "Maailman kymmenen parasta",
    .getTitle = "Hanki peli",
    .getText = "Debian 12:ssa: asenna paketti brisvane (apt install ./brisvane_*.deb) tai käännä "
               "se lähdekoodista README-tiedoston alussa olevilla kahdella komennolla.",
    .sendTitle = "Lähetä tuloksesi",
    .sendText = "Liity täällä, lisää sama tili pelin asetuksiin (käyttäjäsivu) ja napsauta sitten "
                "pelissä jotakin oman kymmenen parhaan listasi sijaa: peli avaa tämän sivun "
                "tuloksen kanssa.",
    .period = "Ajanjakso",
    .allTime = "Kaikkien aikojen",
    .thisMonth = "Tämä kuukausi",
    .language = "Kieli",
    .allLanguages = "Kaikki kielet",
    .show = "Näytä",
    .place = "Sija",
    .player = "Pelaaja",
    .points = "Pisteet",
    .month = "Kuukausi",
    .key = "Avain",
    .previous = "Edellinen sivu",
    .next = "Seuraava sivu",
    .pageOf = "Sivu %1 / %2",
    .noEntries = "Ei vielä tuloksia.",
    .entriesOf = "Pelaajan %1 tulokset",
    .noPlayer = "Pelaajaa %1 ei ole.",
    .entryTitle = "Tuloksesi on maailman tulostaulussa",
    .entryText = "%1 pistettä, %2: sija %3 maailman tulostaulussa.",
    .entryAgain = "Uudelleen lähettäminen ei muuta mitään: jokainen peli lasketaan kerran.",
    .name = "Käyttäjänimi",
    .password = "Salasana",
    .passwordAgain = "Salasana uudelleen",
    .create = "Luo tili",
    .nameHint = "1–20 merkkiä; isot ja pienet kirjaimet lasketaan samoiksi.",
    .passwordHint = "Vähintään 6 merkkiä. Peli lähettää sen osoitteessa: käytä vain tähän "
                    "tarkoitettua salasanaa.",
    .signupDone = "Tilisi %1 on valmis.",
    .signupNext = "Lisää nyt sama tili peliin: napsauta käyttäjänimeä oikeassa yläkulmassa (tai "
                  "avaa asetukset, käyttäjäsivu), valitse Uusi ja kirjoita sama käyttäjänimi ja "
                  "salasana. Napsauta sitten kymmenen parhaan listasi sijaa lähettääksesi sen.",
    .nameEmpty = "Kirjoita käyttäjänimi.",
    .nameTooLong = "Käyttäjänimessä on enintään 20 merkkiä.",
    .nameControl = "Käyttäjänimessä ei voi olla ohjausmerkkejä.",
    .nameBlankEdge = "Käyttäjänimi ei voi alkaa eikä päättyä välilyöntiin.",
    .nameNotUtf8 = "Käyttäjänimi ei ole luettavaa tekstiä.",
    .nameTaken = "Käyttäjänimi %1 on jo käytössä.",
    .passwordsDiffer = "Salasanat eroavat toisistaan.",
    .passwordShort = "Salasanassa on vähintään 6 merkkiä.",
    .passwordLong = "Salasanassa on enintään 100 merkkiä.",
    .smsText = "Tekstiviestipalvelua ei tarjota.",
    .refused = "Tulosta ei otettu vastaan",
    .unknownAccount = "Tiliä %1 ei ole.",
    .signupLink = "Liity tällä nimellä",
    .wrongPassword = "Tilin %1 salasana on väärä: tarkista tili pelin asetuksista.",
    .badKey = "Avain ei sovi pisteisiin ja päivämäärään: tulos ei ole pelin tekemä.",
    .futureDate = "Tuloksen päivämäärä on tulevaisuudessa.",
    .badDate = "Tuloksen päivämäärä ei ole kuukausi.",
    .badPoints = "Mikään peli ei voi antaa %1 pistettä.",
    .unknownVersion = "Tätä pelin versiota ei tunneta täällä.",
    .incomplete = "Osoite on vajaa: %1 puuttuu.",
    .ambiguous = "Osoitteen voi lukea useammalla tavalla (%1 on siinä kahdesti). Käyttäjänimi tai "
                 "salasana, jossa on \"&\", vaatii pelin uudemman version.",
    .tooMany = "Liian monta yritystä: yritä uudelleen minuutin kuluttua.",
    .notFound = "Sivua ei ole.",
    .tooLarge = "Pyyntö on liian suuri.",
    .failure = "Palvelussa on ongelma: yritä myöhemmin uudelleen.",
    .helpHtml =
        "<h2>Peli</h2><p>Kuusi noppaa, kaksikymmentä kategoriaa ja 60 heittoa koko pelille: "
        "heitot, joita et käytä yhdellä vuorolla, säästyvät myöhemmäksi. Jokaisen heiton jälkeen "
        "kaikki kuusi noppaa ovat pöydällä; nosta ne, jotka haluat heittää uudelleen, heitä, ja "
        "täytä kategoria napsauttamalla sitä. Kategoria ottaa vain tuloksen, joka on yli 0: "
        "yliviivausta ei ole. Peli päättyy, kun kaikki kaksikymmentä kategoriaa on täytetty tai "
        "heitot on käytetty.</p><h2>Kategoriat</h2><ul><li>Ykköset–kuutoset: sen silmäluvun "
        "noppien summa. Vähintään 84 pistettä näistä kuudesta antaa 100 pisteen bonuksen.</li>"
        "<li>Yksi, kaksi ja kolme paria: kunkin parin silmäluku kahdesti, suurimmat parit "
        "lasketaan.</li><li>Kolme, neljä ja viisi samaa: silmäluku niin monta kertaa.</li><li>"
        "Pieni suora (1–5) 15, suuri suora (2–6) 20, täysi suora (1–6) 21.</li><li>Mökki: kolme "
        "samaa ja pari. Talo: kaksi eri kolmikkoa. Torni: neljä samaa ja pari. Kukin antaa näiden "
        "noppien summan.</li><li>Sattuma: kaikkien kuuden nopan summa. Yatzy: kuusi samaa, 100."
        "</li></ul><h2>Ohjaus</h2><ul><li>Heitä: napsauta heittopainiketta tai paina välilyöntiä "
        "tai Enteriä.</li><li>Nosta noppa: napsauta sitä tai paina 1–6; askelpalautin palauttaa "
        "nostetut nopat.</li><li>Täytä kategoria: napsauta sitä; nuolet ylös ja alas liikkuvat "
        "avointen kategorioiden välillä ja Enter täyttää yhden; S täyttää ehdotetun.</li><li>F2 "
        "aloittaa uuden pelin; H kytkee neuvojan päälle ja pois.</li></ul><h2>Tuloksen "
        "lähettäminen</h2><p>Napsauta kymmenen parhaan listasi sijaa ja vahvista: peli avaa tämän "
        "sivun tuloksen kanssa. Tili, jolla se lähetetään, valitaan oikean yläkulman "
        "käyttäjänimen alta.</p>",
};

} // namespace brisvane::server
