// The service's texts in Dutch, French and Spanish (Texts.h says how they are used).

#include "server/Texts.h"

namespace brisvane::server {

extern const Texts Dutch{
    .lan = "Dutch",
    .national = "Nederlands",
    .htmlLang = "nl",
    .home = "Start",
    .table = "Wereldranglijst",
    .signup = "Aanmelden",
    .help = "Hulp",
    .sms = "Sms",
    .intro = "Brisvane is een dobbelspel met zes stenen uit de Yatzy-familie voor Linux: twintig "
             "categorieën en 60 worpen voor het hele spel. Hier komen de beste spellen van de "
             "spelers samen.",
    .topTen = "De tien besten van de wereld",
    .getTitle = "Het spel krijgen",
    .getText = "Op Debian 12: installeer het pakket brisvane (apt install ./brisvane_*.deb), of "
               "bouw het uit de broncode met de twee opdrachten bovenaan de README.",
    .sendTitle = "Je score versturen",
    .sendText = "Meld je hier aan, voeg hetzelfde account toe in de instellingen van het spel "
                "(gebruikerspagina) en klik dan in het spel op een plaats van je top tien: het "
                "spel opent deze site met de score.",
    .period = "Periode",
    .allTime = "Aller tijden",
    .thisMonth = "Deze maand",
    .language = "Taal",
    .allLanguages = "Alle talen",
    .show = "Tonen",
    .place = "Plaats",
    .player = "Speler",
    .points = "Punten",
    .month = "Maand",
    .key = "Sleutel",
    .previous = "Vorige pagina",
    .next = "Volgende pagina",
    .pageOf = "Pagina %1 van %2",
    .noEntries = "Nog geen scores.",
    .entriesOf = "Scores van %1",
    .noPlayer = "Er is geen speler %1.",
    .entryTitle = "Je score staat in de wereldranglijst",
    .entryText = "%1 punten van %2: plaats %3 van de wereldranglijst.",
    .entryAgain = "Opnieuw versturen verandert niets: elk spel telt één keer.",
    .name = "Gebruikersnaam",
    .password = "Wachtwoord",
    .passwordAgain = "Wachtwoord nogmaals",
    .create = "Account aanmaken",
    .nameHint = "1 tot 20 tekens; hoofdletters en kleine letters tellen als hetzelfde.",
    .passwordHint = "Minstens 6 tekens. Het spel verstuurt het in het adres: gebruik een "
                    "wachtwoord alleen hiervoor.",
    .signupDone = "Je account %1 is klaar.",
    .signupNext = "Voeg nu hetzelfde account toe in het spel: klik rechtsboven op de "
                  "gebruikersnaam (of open de instellingen, gebruikerspagina), kies Nieuw en vul "
                  "dezelfde gebruikersnaam en hetzelfde wachtwoord in. Klik dan op een plaats van "
                  "je top tien om die te versturen.",
    .nameEmpty = "Vul een gebruikersnaam in.",
    .nameTooLong = "Een gebruikersnaam heeft hoogstens 20 tekens.",
    .nameControl = "Een gebruikersnaam kan geen stuurtekens bevatten.",
    .nameBlankEdge = "Een gebruikersnaam kan niet met een spatie beginnen of eindigen.",
    .nameNotUtf8 = "De gebruikersnaam is geen leesbare tekst.",
    .nameTaken = "De gebruikersnaam %1 is al in gebruik.",
    .passwordsDiffer = "De twee wachtwoorden verschillen.",
    .passwordShort = "Een wachtwoord heeft minstens 6 tekens.",
    .passwordLong = "Een wachtwoord heeft hoogstens 100 tekens.",
    .smsText = "De sms-dienst wordt niet aangeboden.",
    .refused = "De score is niet opgenomen",
    .unknownAccount = "Er is geen account %1.",
    .signupLink = "Meld je aan met die naam",
    .wrongPassword = "Het wachtwoord van %1 is fout: controleer het account in de instellingen "
                     "van het spel.",
    .badKey = "De sleutel past niet bij de punten en de datum: de score komt niet uit het spel.",
    .futureDate = "De datum van deze score ligt in de toekomst.",
    .badDate = "De datum van deze score is geen maand.",
    .badPoints = "Geen spel kan %1 punten opleveren.",
    .unknownVersion = "Deze versie van het spel is hier niet bekend.",
    .incomplete = "Het adres is onvolledig: %1 ontbreekt.",
    .ambiguous = "Het adres is op meer dan één manier te lezen (%1 staat er twee keer in). Een "
                 "gebruikersnaam of wachtwoord met \"&\" vraagt een nieuwere versie van het spel.",
    .tooMany = "Te veel pogingen: probeer het over een minuut opnieuw.",
    .notFound = "Deze pagina bestaat niet.",
    .tooLarge = "Het verzoek is te groot.",
    .failure = "De dienst heeft een probleem: probeer het later opnieuw.",
    .helpHtml =
        "<h2>Het spel</h2><p>Zes stenen, twintig categorieën en 60 worpen voor het hele spel: "
        "worpen die je in een beurt niet gebruikt, blijven voor later. Na elke worp liggen alle "
        "zes stenen op tafel; pak de stenen op die je opnieuw wilt gooien, gooi, en vul een "
        "categorie door erop te klikken. Een categorie neemt alleen een uitslag boven 0: schrappen "
        "bestaat niet. Het spel eindigt als alle twintig categorieën gevuld zijn of de worpen op "
        "zijn.</p><h2>De categorieën</h2><ul><li>Enen tot zessen: de som van de stenen met die "
        "waarde. 84 punten of meer in deze zes geven een bonus van 100.</li><li>Eén, twee en drie "
        "paar: tweemaal de waarde van elk paar, de hoogste paren tellen.</li><li>Drie, vier en vijf "
        "gelijke: zo vaak de waarde.</li><li>Kleine straat (1 tot 5) 15, grote straat (2 tot 6) 20, "
        "volle straat (1 tot 6) 21.</li><li>Full house: drie gelijke en een paar. Huis: twee "
        "verschillende drietallen. Toren: vier gelijke en een paar. Elk telt de som van die "
        "stenen.</li><li>Kans: de som van alle zes stenen. Yatzy: zes gelijke, 100.</li></ul>"
        "<h2>Bediening</h2><ul><li>Gooien: klik op de gooiknop, of druk op spatie of Enter.</li>"
        "<li>Een steen oppakken: klik erop, of druk op 1 tot 6; Backspace legt opgepakte stenen "
        "terug.</li><li>Een categorie vullen: klik erop; pijl omhoog en omlaag gaan langs de open "
        "categorieën en Enter vult er een; S vult de voorgestelde.</li><li>F2 begint een nieuw "
        "spel; H zet de adviseur aan en uit.</li></ul><h2>Een score versturen</h2><p>Klik op een "
        "plaats van je top tien en bevestig: het spel opent deze site met de score. Het account "
        "waarmee hij verstuurd wordt, kies je onder de gebruikersnaam rechtsboven.</p>",
};

extern const Texts French{
    .lan = "French",
    .national = "Français",
    .htmlLang = "fr",
    .home = "Accueil",
    .table = "Classement mondial",
    .signup = "S'inscrire",
    .help = "Aide",
    .sms = "SMS",
    .intro = "Brisvane est un jeu de six dés de la famille du Yatzy pour Linux : vingt catégories "
             "et 60 lancers pour toute la partie. Les meilleures parties de ses joueurs se "
             "retrouvent ici.",
    .topTen = "Les dix meilleurs du monde",
    .getTitle = "Obtenir le jeu",
    .getText = "Sous Debian 12 : installez le paquet brisvane (apt install ./brisvane_*.deb), ou "
               "compilez-le depuis ses sources avec les deux commandes en tête de son README.",
    .sendTitle = "Envoyer votre score",
    .sendText = "Inscrivez-vous ici, ajoutez le même compte dans les réglages du jeu (page "
                "utilisateur), puis cliquez dans le jeu sur une place de votre top dix : le jeu "
                "ouvre ce site avec le score.",
    .period = "Période",
    .allTime = "De tous les temps",
    .thisMonth = "Ce mois-ci",
    .language = "Langue",
    .allLanguages = "Toutes les langues",
    .show = "Afficher",
    .place = "Place",
    .player = "Joueur",
    .points = "Points",
    .month = "Mois",
    .key = "Clé",
    .previous = "Page précédente",
    .next = "Page suivante",
    .pageOf = "Page %1 sur %2",
    .noEntries = "Aucun score pour l'instant.",
    .entriesOf = "Scores de %1",
    .noPlayer = "Il n'y a pas de joueur %1.",
    .entryTitle = "Votre score est dans le classement mondial",
    .entryText = "%1 points par %2 : place %3 du classement mondial.",
    .entryAgain = "L'envoyer de nouveau ne change rien : chaque partie compte une fois.",
    .name = "Nom d'utilisateur",
    .password = "Mot de passe",
    .passwordAgain = "Mot de passe, encore une fois",
    .create = "Créer le compte",
    .nameHint = "1 à 20 caractères ; majuscules et minuscules comptent pareil.",
    .passwordHint = "Au moins 6 caractères. Le jeu l'envoie dans l'adresse : prenez un mot de "
                    "passe réservé à cet usage.",
    .signupDone = "Votre compte %1 est prêt.",
    .signupNext = "Ajoutez maintenant le même compte dans le jeu : cliquez sur le nom "
                  "d'utilisateur en haut à droite (ou ouvrez les réglages, page utilisateur), "
                  "choisissez Nouveau et saisissez le même nom et le même mot de passe. Cliquez "
                  "ensuite sur une place de votre top dix pour l'envoyer.",
    .nameEmpty = "Saisissez un nom d'utilisateur.",
    .nameTooLong = "Un nom d'utilisateur a au plus 20 caractères.",
    .nameControl = "Un nom d'utilisateur ne peut pas contenir de caractères de contrôle.",
    .nameBlankEdge = "Un nom d'utilisateur ne peut ni commencer ni finir par une espace.",
    .nameNotUtf8 = "Le nom d'utilisateur n'est pas un texte lisible.",
    .nameTaken = "Le nom d'utilisateur %1 est déjà pris.",
    .passwordsDiffer = "Les deux mots de passe diffèrent.",
    .passwordShort = "Un mot de passe a au moins 6 caractères.",
    .passwordLong = "Un mot de passe a au plus 100 caractères.",
    .smsText = "Le service de SMS n'est pas proposé.",
    .refused = "Le score n'a pas été enregistré",
    .unknownAccount = "Il n'y a pas de compte %1.",
    .signupLink = "S'inscrire sous ce nom",
    .wrongPassword = "Le mot de passe de %1 est faux : vérifiez le compte dans les réglages du jeu.",
    .badKey = "La clé ne correspond pas aux points et à la date : ce score ne vient pas du jeu.",
    .futureDate = "La date de ce score est dans le futur.",
    .badDate = "La date de ce score n'est pas un mois.",
    .badPoints = "Aucune partie ne peut donner %1 points.",
    .unknownVersion = "Cette version du jeu n'est pas connue ici.",
    .incomplete = "L'adresse est incomplète : %1 manque.",
    .ambiguous = "L'adresse se lit de plus d'une façon (%1 y figure deux fois). Un nom "
                 "d'utilisateur ou un mot de passe contenant « & » demande une version plus "
                 "récente du jeu.",
    .tooMany = "Trop de tentatives : réessayez dans une minute.",
    .notFound = "Cette page n'existe pas.",
    .tooLarge = "La requête est trop grande.",
    .failure = "Le service a un problème : réessayez plus tard.",
    .helpHtml =
        "<h2>Le jeu</h2><p>Six dés, vingt catégories et 60 lancers pour toute la partie : les "
        "lancers que vous n'utilisez pas pendant un tour restent pour plus tard. Après chaque "
        "lancer, les six dés sont sur la table ; prenez ceux que vous voulez relancer, lancez, et "
        "remplissez une catégorie en cliquant dessus. Une catégorie ne prend qu'un résultat "
        "supérieur à 0 : on ne peut pas barrer. La partie finit quand les vingt catégories sont "
        "remplies ou que les lancers sont épuisés.</p><h2>Les catégories</h2><ul><li>As à six : "
        "la somme des dés de cette valeur. 84 points ou plus dans ces six donnent un bonus de "
        "100.</li><li>Une, deux et trois paires : deux fois la valeur de chaque paire, les plus "
        "hautes comptent.</li><li>Brelan, carré et cinq pareils : autant de fois la valeur.</li>"
        "<li>Petite suite (1 à 5) 15, grande suite (2 à 6) 20, suite complète (1 à 6) 21.</li><li>"
        "Full : trois pareils et une paire. Maison : deux brelans différents. Tour : quatre "
        "pareils et une paire. Chacune donne la somme de ces dés.</li><li>Chance : la somme des "
        "six dés. Yatzy : six pareils, 100.</li></ul><h2>Commandes</h2><ul><li>Lancer : cliquez "
        "sur le bouton de lancer, ou appuyez sur Espace ou Entrée.</li><li>Prendre un dé : "
        "cliquez dessus, ou appuyez sur 1 à 6 ; Retour arrière repose les dés pris.</li><li>"
        "Remplir une catégorie : cliquez dessus ; les flèches haut et bas parcourent les "
        "catégories ouvertes et Entrée en remplit une ; S remplit celle qui est suggérée.</li><li>"
        "F2 commence une nouvelle partie ; H active et désactive le conseiller.</li></ul><h2>"
        "Envoyer un score</h2><p>Cliquez sur une place de votre top dix et confirmez : le jeu "
        "ouvre ce site avec le score. Le compte sous lequel il est envoyé se choisit sous le nom "
        "d'utilisateur en haut à droite.</p>",
};

extern const Texts Spanish{
    .lan = "Spanish",
    .national = "Español",
    .htmlLang = "es",
    .home = "Inicio",
    .table = "Clasificación mundial",
    .signup = "Registrarse",
    .help = "Ayuda",
    .sms = "SMS",
    .intro = "Brisvane es un juego de seis dados de la familia del Yatzy para Linux: veinte "
             "categorías y 60 tiradas para toda la partida. Aquí se reúnen las mejores partidas "
             "de sus jugadores.",
    .topTen = "Los diez mejores del mundo",
    .getTitle = "Conseguir el juego",
    .getText = "En Debian 12: instale el paquete brisvane (apt install ./brisvane_*.deb), o "
               "compílelo desde su código fuente con las dos órdenes del principio de su README.",
    .sendTitle = "Enviar su puntuación",
    .sendText = "Regístrese aquí, añada la misma cuenta en la configuración del juego (página de "
                "usuario) y luego haga clic en el juego en un puesto de sus diez mejores: el juego "
                "abre este sitio con la puntuación.",
    .period = "Periodo",
    .allTime = "De todos los tiempos",
    .thisMonth = "Este mes",
    .language = "Idioma",
    .allLanguages = "Todos los idiomas",
    .show = "Mostrar",
    .place = "Puesto",
    .player = "Jugador",
    .points = "Puntos",
    .month = "Mes",
    .key = "Clave",
    .previous = "Página anterior",
    .next = "Página siguiente",
    .pageOf = "Página %1 de %2",
    .noEntries = "Todavía no hay puntuaciones.",
    .entriesOf = "Puntuaciones de %1",
    .noPlayer = "No hay ningún jugador %1.",
    .entryTitle = "Su puntuación está en la clasificación mundial",
    .entryText = "%1 puntos de %2: puesto %3 de la clasificación mundial.",
    .entryAgain = "Enviarla otra vez no cambia nada: cada partida cuenta una vez.",
    .name = "Nombre de usuario",
    .password = "Contraseña",
    .passwordAgain = "Repita la contraseña",
    .create = "Crear la cuenta",
    .nameHint = "De 1 a 20 caracteres; mayúsculas y minúsculas cuentan igual.",
    .passwordHint = "Al menos 6 caracteres. El juego la envía en la dirección: use una contraseña "
                    "solo para esto.",
    .signupDone = "Su cuenta %1 está lista.",
    .signupNext = "Ahora añada la misma cuenta en el juego: haga clic en el nombre de usuario "
                  "arriba a la derecha (o abra la configuración, página de usuario), elija Nuevo "
                  "y escriba el mismo nombre y la misma contraseña. Luego haga clic en un puesto de "
                  "sus diez mejores para enviarlo.",
    .nameEmpty = "Escriba un nombre de usuario.",
    .nameTooLong = "Un nombre de usuario tiene como mucho 20 caracteres.",
    .nameControl = "Un nombre de usuario no puede contener caracteres de control.",
    .nameBlankEdge = "Un nombre de usuario no puede empezar ni terminar con un espacio.",
    .nameNotUtf8 = "El nombre de usuario no es un texto legible.",
    .nameTaken = "El nombre de usuario %1 ya está ocupado.",
    .passwordsDiffer = "Las dos contraseñas son distintas.",
    .passwordShort = "Una contraseña tiene al menos 6 caracteres.",
    .passwordLong = "Una contraseña tiene como mucho 100 caracteres.",
    .smsText = "El servicio de SMS no se ofrece.",
    .refused = "La puntuación no se registró",
    .unknownAccount = "No hay ninguna cuenta %1.",
    .signupLink = "Registrarse con ese nombre",
    .wrongPassword = "La contraseña de %1 es incorrecta: revise la cuenta en la configuración del "
                     "juego.",
    .badKey = "La clave no corresponde a los puntos y la fecha: la puntuación no viene del juego.",
    .futureDate = "La fecha de esta puntuación está en el futuro.",
    .badDate = "La fecha de esta puntuación no es un mes.",
    .badPoints = "Ninguna partida puede dar %1 puntos.",
    .unknownVersion = "Esta versión del juego no se conoce aquí.",
    .incomplete = "La dirección está incompleta: falta %1.",
    .ambiguous = "La dirección se puede leer de más de una manera (%1 aparece dos veces). Un "
                 "nombre de usuario o una contraseña con \"&\" necesita una versión más reciente "
                 "del juego.",
    .tooMany = "Demasiados intentos: vuelva a intentarlo dentro de un minuto.",
    .notFound = "Esta página no existe.",
    .tooLarge = "La petición es demasiado grande.",
    .failure = "El servicio tiene un problema: vuelva a intentarlo más tarde.",
    .helpHtml =
        "<h2>El juego</h2><p>Seis dados, veinte categorías y 60 tiradas para toda la partida: las "
        "tiradas que no use en un turno quedan para más tarde. Tras cada tirada los seis dados "
        "quedan en la mesa; recoja los que quiera volver a tirar, tire, y rellene una categoría "
        "haciendo clic en ella. Una categoría solo admite un resultado mayor que 0: no se puede "
        "tachar. La partida termina cuando las veinte categorías están rellenas o se acaban las "
        "tiradas.</p><h2>Las categorías</h2><ul><li>Unos a seises: la suma de los dados con ese "
        "valor. 84 puntos o más en estas seis dan una bonificación de 100.</li><li>Pareja, dos y "
        "tres parejas: el doble del valor de cada pareja, cuentan las más altas.</li><li>Trío, "
        "póker y repóker: tantas veces el valor.</li><li>Escalera menor (1 a 5) 15, escalera mayor "
        "(2 a 6) 20, escalera completa (1 a 6) 21.</li><li>Full: un trío y una pareja. Casa: dos "
        "tríos distintos. Torre: cuatro iguales y una pareja. Cada una da la suma de esos dados."
        "</li><li>Suerte: la suma de los seis dados. Yatzy: seis iguales, 100.</li></ul><h2>"
        "Controles</h2><ul><li>Tirar: haga clic en el botón de tirar, o pulse Espacio o Intro."
        "</li><li>Recoger un dado: haga clic en él, o pulse 1 a 6; Retroceso devuelve los dados "
        "recogidos.</li><li>Rellenar una categoría: haga clic en ella; las flechas arriba y abajo "
        "recorren las categorías abiertas e Intro rellena una; S rellena la sugerida.</li><li>F2 "
        "empieza una partida nueva; H activa y desactiva el consejero.</li></ul><h2>Enviar una "
        "puntuación</h2><p>Haga clic en un puesto de sus diez mejores y confirme: el juego abre "
        "este sitio con la puntuación. La cuenta con la que se envía se elige bajo el nombre de "
        "usuario arriba a la derecha.</p>",
};

} // namespace brisvane::server
