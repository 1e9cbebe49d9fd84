<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Orrinwick</source>
        <translation>Über Orrinwick</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Herausgeber</translation>
    </message>
    <message>
        <source>Version and support address</source>
        <translation>Version und Support-Adresse</translation>
    </message>
    <message>
        <source>&amp;Email Support…</source>
        <translation>&amp;E-Mail an den Support…</translation>
    </message>
    <message>
        <source>Email support</source>
        <translation>E-Mail an den Support</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close About window</source>
        <translation>Fenster „Über Orrinwick“ schließen</translation>
    </message>
    <message>
        <source>Write to the support address with your mail program</source>
        <translation>Mit Ihrem Mailprogramm an die Support-Adresse schreiben</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Dieses Fenster schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
</context>
<context>
    <name>AmountEdits</name>
    <message>
        <source>Edit Budget</source>
        <translation>Budget ändern</translation>
    </message>
    <message>
        <source>Edit Envelope</source>
        <translation>Umschlag ändern</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>BackupStore</name>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BudgetChartsWindow</name>
    <message>
        <source>Charts — Orrinwick</source>
        <translation>Diagramme — Orrinwick</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Chart pages</source>
        <translation>Diagrammseiten</translation>
    </message>
    <message>
        <source>Budget and spending by month</source>
        <translation>Budget und Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Each month&apos;s budget beside what was spent in it</source>
        <translation>Das Budget jedes Monats neben dem, was in ihm ausgegeben wurde</translation>
    </message>
    <message>
        <source>What each category spent in the year</source>
        <translation>Was jede Kategorie im Jahr ausgegeben hat</translation>
    </message>
    <message>
        <source>Budget and spending by month (Ctrl+Tab for the next page)</source>
        <translation>Budget und Ausgaben nach Monat (Strg+Tab für die nächste Seite)</translation>
    </message>
    <message>
        <source>Spending by category (Ctrl+Tab for the next page)</source>
        <translation>Ausgaben nach Kategorie (Strg+Tab für die nächste Seite)</translation>
    </message>
</context>
<context>
    <name>BudgetFileReader</name>
    <message>
        <source>Source File %1 not found!
</source>
        <translation>Quelldatei %1 nicht gefunden!
</translation>
    </message>
    <message>
        <source>File %1 is not a budget file and was not opened.
</source>
        <translation>Die Datei %1 ist keine Budgetdatei und wurde nicht geöffnet.
</translation>
    </message>
    <message>
        <source>File %1 was not opened: %2
</source>
        <translation>Die Datei %1 wurde nicht geöffnet: %2
</translation>
    </message>
    <message>
        <source>Unnamed category</source>
        <translation>Unbenannte Kategorie</translation>
    </message>
    <message numerus="yes">
        <source>File %1 has %n categories without a name. Their entries are kept under &quot;%2&quot;; give it a name of your own with Rename.
</source>
        <translation>
            <numerusform>Die Datei %1 hat eine Kategorie ohne Namen. Ihre Buchungen bleiben unter „%2“ erhalten; geben Sie ihr mit Umbenennen einen eigenen Namen.
</numerusform>
            <numerusform>Die Datei %1 hat %n Kategorien ohne Namen. Ihre Buchungen bleiben unter „%2“ erhalten; geben Sie ihnen mit Umbenennen eigene Namen.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>File %1 has %n split transactions whose parts could not be found. Their parts are kept as separate transactions.
</source>
        <translation>
            <numerusform>Datei %1 hat %n aufgeteilte Buchung, deren Teile nicht gefunden wurden. Ihre Teile bleiben als einzelne Buchungen erhalten.
</numerusform>
            <numerusform>Datei %1 hat %n aufgeteilte Buchungen, deren Teile nicht gefunden wurden. Ihre Teile bleiben als einzelne Buchungen erhalten.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BudgetFill</name>
    <message>
        <source>Each month takes the amount of the month before it.</source>
        <translation>Jeder Monat erhält den Betrag des Monats davor.</translation>
    </message>
    <message>
        <source>Each month is set to %1.</source>
        <translation>Jeder Monat wird auf %1 gesetzt.</translation>
    </message>
    <message>
        <source>Each month takes what was booked in the same month last year.</source>
        <translation>Jeder Monat erhält, was im selben Monat des Vorjahres gebucht wurde.</translation>
    </message>
    <message>
        <source>Each month takes the amount of the same month last year.</source>
        <translation>Jeder Monat erhält den Betrag des selben Monats im Vorjahr.</translation>
    </message>
    <message>
        <source>No last year&apos;s budget is chosen (File → Last Year&apos;s Budget…).</source>
        <translation>Es ist kein Budget des Vorjahres gewählt (Datei → Budget des Vorjahres…).</translation>
    </message>
    <message>
        <source>Last year&apos;s budget has no category %1.</source>
        <translation>Das Budget des Vorjahres hat keine Kategorie %1.</translation>
    </message>
    <message>
        <source>The following months take the amount of %1, %2.</source>
        <translation>Die folgenden Monate erhalten den Betrag von %1, %2.</translation>
    </message>
    <message>
        <source>The year has fewer months before them.</source>
        <translation>Das Jahr hat weniger Monate davor.</translation>
    </message>
    <message>
        <source>Averaged: %1.</source>
        <translation>Gemittelt: %1.</translation>
    </message>
    <message>
        <source>Each month changes by %1 percent, rounded to a whole unit.</source>
        <translation>Jeder Monat ändert sich um %1 Prozent, gerundet auf eine ganze Einheit.</translation>
    </message>
    <message>
        <source>Same as Previous Month</source>
        <translation>Wie im Vormonat</translation>
    </message>
    <message>
        <source>Copy to Following Months</source>
        <translation>In die folgenden Monate kopieren</translation>
    </message>
    <message>
        <source>Set Months to…</source>
        <translation>Monate setzen auf…</translation>
    </message>
    <message>
        <source>Spent in the Same Month Last Year</source>
        <translation>Ausgaben im selben Monat des Vorjahres</translation>
    </message>
    <message>
        <source>Budget of the Same Month Last Year</source>
        <translation>Budget im selben Monat des Vorjahres</translation>
    </message>
    <message>
        <source>Change by Percent…</source>
        <translation>Um Prozent ändern…</translation>
    </message>
    <message>
        <source>Each month takes the mean of what was booked in the %1 whole months before it, a month with nothing booked counting as 0, rounded to a whole unit.</source>
        <translation>Jeder Monat erhält den Mittelwert des Gebuchten der %1 ganzen Monate davor; ein Monat ohne Buchung zählt als 0; gerundet auf eine ganze Einheit.</translation>
    </message>
    <message>
        <source>%1 over 1 month</source>
        <translation>%1 über 1 Monat</translation>
    </message>
    <message>
        <source>%1 over %2 months</source>
        <translation>%1 über %2 Monate</translation>
    </message>
    <message>
        <source>Average Spent over the Last %1 Months</source>
        <translation>Durchschnitt der Ausgaben der letzten %1 Monate</translation>
    </message>
</context>
<context>
    <name>BudgetGridModel</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
</context>
<context>
    <name>BudgetGridSource</name>
    <message>
        <source>No Categories Defined</source>
        <translation>Keine Kategorien angelegt</translation>
    </message>
    <message>
        <source>Please create at least 1 category.

HINT: Edit -&gt; New Category</source>
        <translation>Bitte legen Sie mindestens 1 Kategorie an.

TIPP: Bearbeiten -&gt; Neue Kategorie</translation>
    </message>
    <message>
        <source>No SelectedCategory</source>
        <translation>Keine Kategorie ausgewählt</translation>
    </message>
    <message>
        <source>Please select a category.</source>
        <translation>Bitte wählen Sie eine Kategorie aus.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete category %1</source>
        <translation>Soll die Kategorie %1 wirklich gelöscht werden?</translation>
    </message>
</context>
<context>
    <name>CarryModeDelegate</name>
    <message>
        <source>What the envelope carries</source>
        <translation>Was der Umschlag überträgt</translation>
    </message>
    <message>
        <source>What the envelope hands on to the next month</source>
        <translation>Was der Umschlag an den nächsten Monat weitergibt</translation>
    </message>
</context>
<context>
    <name>CategoryComboDelegate</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>A new category, created by the import</source>
        <translation>Eine neue Kategorie, die der Import anlegt</translation>
    </message>
    <message>
        <source>Choose or type the line&apos;s category, or type the name of a new one that the import creates</source>
        <translation>Die Kategorie der Zeile wählen oder eingeben, oder den Namen einer neuen eingeben, die der Import anlegt</translation>
    </message>
    <message>
        <source>Choose or type the category</source>
        <translation>Die Kategorie wählen oder eingeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category of this budget. Choose one of its categories.</source>
        <translation>„%1“ ist keine Kategorie dieses Budgets. Wählen Sie eine seiner Kategorien.</translation>
    </message>
</context>
<context>
    <name>CategoryEdit</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Category editor</source>
        <translation>Kategorie-Editor</translation>
    </message>
    <message>
        <source>Category names</source>
        <translation>Kategorienamen</translation>
    </message>
    <message>
        <source>Add category</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Add a category at the end of the budget</source>
        <translation>Eine Kategorie am Ende des Budgets hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Delete category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete the selected category and all its transactions</source>
        <translation>Die ausgewählte Kategorie mit allen ihren Buchungen löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close category editor</source>
        <translation>Kategorie-Editor schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The budget&apos;s categories: type over a name to rename it</source>
        <translation>Die Kategorien des Budgets: Einen Namen überschreiben, um ihn umzubenennen</translation>
    </message>
    <message>
        <source>Close the category editor (Esc)</source>
        <translation>Den Kategorie-Editor schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>CategoryEdits</name>
    <message>
        <source>There is already a category named &quot;%1&quot;. Choose another name.</source>
        <translation>Es gibt bereits eine Kategorie namens „%1“. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Move Category</source>
        <translation>Kategorie verschieben</translation>
    </message>
    <message>
        <source>New Categories</source>
        <translation>Neue Kategorien</translation>
    </message>
</context>
<context>
    <name>ChangedOnDisk</name>
    <message>
        <source>%1 was changed by another program since it was opened or saved here, and this window holds a version that is not in the file.

Reload the file (your changes go to the backups first), or keep your version (the other one goes to the backups first, then yours is saved)?</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit es hier geöffnet oder gespeichert wurde, und dieses Fenster hält eine Fassung, die nicht in der Datei steht.

Die Datei neu laden (Ihre Änderungen kommen zuerst zu den Sicherungen) oder Ihre Fassung behalten (die andere kommt zuerst zu den Sicherungen, dann wird Ihre gespeichert)?</translation>
    </message>
    <message>
        <source>File Changed on Disk</source>
        <translation>Datei auf der Platte geändert</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
</context>
<context>
    <name>CheckView</name>
    <message>
        <source>Register</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Show the previous month (Alt+Left)</source>
        <translation>Den vorherigen Monat zeigen (Alt+Links)</translation>
    </message>
    <message>
        <source>Month shown</source>
        <translation>Gezeigter Monat</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Show the next month (Alt+Right)</source>
        <translation>Den nächsten Monat zeigen (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Budget label</source>
        <translation>Budget-Beschriftung</translation>
    </message>
    <message>
        <source>Budget:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>Budget of the month</source>
        <translation>Budget des Monats</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Remaining label</source>
        <translation>Rest-Beschriftung</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Rest:</translation>
    </message>
    <message>
        <source>Remaining of the month</source>
        <translation>Rest des Monats</translation>
    </message>
    <message>
        <source>Transactions of the month</source>
        <translation>Buchungen des Monats</translation>
    </message>
    <message>
        <source>Add transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add a transaction to the month</source>
        <translation>Dem Monat eine Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Delete transactions</source>
        <translation>Buchungen löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected transactions</source>
        <translation>Die ausgewählten Buchungen löschen</translation>
    </message>
    <message>
        <source>Carry over transactions</source>
        <translation>Buchungen übertragen</translation>
    </message>
    <message>
        <source>Carry &amp;Over…</source>
        <translation>&amp;Übertragen…</translation>
    </message>
    <message>
        <source>Copy the selected transactions into the next month</source>
        <translation>Die ausgewählten Buchungen in den nächsten Monat kopieren</translation>
    </message>
    <message>
        <source>Edit envelopes</source>
        <translation>Umschläge bearbeiten</translation>
    </message>
    <message>
        <source>En&amp;velopes…</source>
        <translation>&amp;Umschläge…</translation>
    </message>
    <message>
        <source>Edit the envelopes of the month</source>
        <translation>Die Umschläge des Monats bearbeiten</translation>
    </message>
    <message>
        <source>Edit categories</source>
        <translation>Kategorien bearbeiten</translation>
    </message>
    <message>
        <source>Ca&amp;tegories…</source>
        <translation>Ka&amp;tegorien…</translation>
    </message>
    <message>
        <source>Add, rename or delete categories</source>
        <translation>Kategorien hinzufügen, umbenennen oder löschen</translation>
    </message>
    <message>
        <source>The month&apos;s transactions: type in a cell to change it, Return to go on</source>
        <translation>Die Buchungen des Monats: In eine Zelle tippen, um sie zu ändern, Eingabe, um weiterzugehen</translation>
    </message>
    <message>
        <source>Remaining after the recurring transactions still due</source>
        <translation>Rest nach den noch fälligen wiederkehrenden Buchungen</translation>
    </message>
    <message>
        <source>What remains once the recurring transactions still due this month are entered</source>
        <translation>Was bleibt, wenn die in diesem Monat noch fälligen wiederkehrenden Buchungen eingetragen sind</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Rec&amp;urring…</source>
        <translation>&amp;Wiederkehrend…</translation>
    </message>
    <message>
        <source>List the rent, subscriptions and bills that come back</source>
        <translation>Miete, Abonnements und Rechnungen, die wiederkehren, auflisten</translation>
    </message>
    <message>
        <source>Split transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>&amp;Split…</source>
        <translation>&amp;Aufteilen…</translation>
    </message>
    <message>
        <source>Split the selected transaction over several categories, or change its split</source>
        <translation>Die gewählte Buchung auf mehrere Kategorien aufteilen oder ihre Aufteilung ändern</translation>
    </message>
</context>
<context>
    <name>CommandLineModes</name>
    <message>
        <source>compute in envelope mode</source>
        <translation>im Umschlagmodus rechnen</translation>
    </message>
    <message>
        <source>print the cells as the grid shows them</source>
        <translation>die Zellen so ausgeben, wie die Tabelle sie zeigt</translation>
    </message>
    <message>
        <source>keep each month&apos;s items in file order</source>
        <translation>die Einträge jedes Monats in der Reihenfolge der Datei lassen</translation>
    </message>
    <message>
        <source>quit as a user would once start-up has finished</source>
        <translation>nach dem Start wie ein Benutzer beenden</translation>
    </message>
    <message>
        <source>the year the budget covers</source>
        <translation>das Jahr, das das Budget umfasst</translation>
    </message>
    <message>
        <source>read the statement as ofx, qif or csv</source>
        <translation>den Kontoauszug als ofx, qif oder csv lesen</translation>
    </message>
    <message>
        <source>take credits in as refunds</source>
        <translation>Gutschriften als Erstattungen übernehmen</translation>
    </message>
    <message>
        <source>say what would be imported, write nothing</source>
        <translation>zeigen, was importiert würde, nichts schreiben</translation>
    </message>
    <message>
        <source>the register of month N (1-12) instead of the grid</source>
        <translation>das Kassenbuch des Monats N (1-12) statt der Tabelle</translation>
    </message>
    <message>
        <source>open the window, on FILE when one is given</source>
        <translation>das Fenster öffnen, mit FILE, wenn angegeben</translation>
    </message>
    <message>
        <source>print the budget grid of FILE, a line per row, tabs between cells</source>
        <translation>die Budgettabelle von FILE ausgeben, eine Zeile je Reihe, Tabulatoren zwischen den Zellen</translation>
    </message>
    <message>
        <source>write the budget file IN to OUT in the current layout</source>
        <translation>die Budgetdatei IN im aktuellen Format nach OUT schreiben</translation>
    </message>
    <message>
        <source>add a bank statement&apos;s transactions to the budget FILE</source>
        <translation>die Buchungen eines Kontoauszugs der Budgetdatei FILE hinzufügen</translation>
    </message>
    <message>
        <source>write next year&apos;s budget, drawn from IN, to OUT</source>
        <translation>das Budget des nächsten Jahres aus IN nach OUT schreiben</translation>
    </message>
    <message>
        <source>write the budget grid of FILE, or a month&apos;s register, as a PDF</source>
        <translation>die Budgettabelle von FILE oder das Kassenbuch eines Monats als PDF schreiben</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 works only with %2</source>
        <translation>%1 gilt nur für %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Keeps a household budget by month.</source>
        <translation>Führt ein Haushaltsbudget nach Monaten.</translation>
    </message>
    <message>
        <source>A FILE whose name begins with &quot;-&quot; goes after &quot;--&quot;.</source>
        <translation>Eine Datei (FILE), deren Name mit „-“ beginnt, steht nach „--“.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no display to open the window on; %1 work without one</source>
        <translation>kein Bildschirm, auf dem sich das Fenster öffnen ließe; %1 funktionieren ohne</translation>
    </message>
    <message>
        <source>last year&apos;s budget file, instead of the one FILE links to</source>
        <translation>die Budgetdatei des Vorjahres statt der, auf die FILE verweist</translation>
    </message>
    <message>
        <source>print what was booked per category and month this year and last</source>
        <translation>ausgeben, was je Kategorie und Monat dieses und letztes Jahr gebucht wurde</translation>
    </message>
    <message>
        <source>the last day to look at, instead of today</source>
        <translation>der letzte betrachtete Tag statt heute</translation>
    </message>
    <message>
        <source>enter the due occurrences into FILE</source>
        <translation>die fälligen Termine in FILE eintragen</translation>
    </message>
    <message>
        <source>print the recurring transactions due in FILE, or enter them</source>
        <translation>die in FILE fälligen wiederkehrenden Buchungen ausgeben oder eintragen</translation>
    </message>
    <message>
        <source>print what was booked per tag and month, a line per tag</source>
        <translation>ausgeben, was je Schlagwort und Monat gebucht wurde, eine Zeile je Schlagwort</translation>
    </message>
</context>
<context>
    <name>CommonCategoriesDialog</name>
    <message>
        <source>Start with Common Categories</source>
        <translation>Mit üblichen Kategorien beginnen</translation>
    </message>
    <message>
        <source>Tick the categories your household needs. An amount becomes the category&apos;s envelope in every month.</source>
        <translation>Haken Sie die Kategorien an, die Ihr Haushalt braucht. Ein Betrag wird in jedem Monat zum Umschlag der Kategorie.</translation>
    </message>
    <message>
        <source>Tick the categories your household needs. The amounts together become every month&apos;s budget.</source>
        <translation>Haken Sie die Kategorien an, die Ihr Haushalt braucht. Die Beträge ergeben zusammen das Budget jedes Monats.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Monthly amount</source>
        <translation>Monatsbetrag</translation>
    </message>
    <message>
        <source>Create the category %1</source>
        <translation>Die Kategorie %1 anlegen</translation>
    </message>
    <message>
        <source>Monthly amount for %1</source>
        <translation>Monatsbetrag für %1</translation>
    </message>
    <message>
        <source>What %1 may cost a month; leave it empty for nothing yet</source>
        <translation>Was %1 im Monat kosten darf; leer lassen für noch nichts</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>freiwillig</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Create the ticked categories</source>
        <translation>Die angehakten Kategorien anlegen</translation>
    </message>
    <message>
        <source>Create the ticked categories in one step that Undo takes back</source>
        <translation>Die angehakten Kategorien in einem Schritt anlegen, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Cancel, create nothing</source>
        <translation>Abbrechen, nichts anlegen</translation>
    </message>
    <message>
        <source>Close without creating any category (Esc)</source>
        <translation>Schließen, ohne eine Kategorie anzulegen (Esc)</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Rent or Mortgage</source>
        <translation>Miete oder Kredit</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Phone and Internet</source>
        <translation>Telefon und Internet</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Verkehr</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Dining Out</source>
        <translation>Essen gehen</translation>
    </message>
    <message>
        <source>Leisure</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparen</translation>
    </message>
</context>
<context>
    <name>CompareCommandLine</name>
    <message>
        <source>%1 names no last year&apos;s budget; give it with --last</source>
        <translation>%1 nennt kein Budget des Vorjahres; geben Sie es mit --last an</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
</context>
<context>
    <name>ComparisonCommands</name>
    <message>
        <source>Compare with &amp;Last Year</source>
        <translation>Mit dem &amp;Vorjahr vergleichen</translation>
    </message>
    <message>
        <source>Compare what was booked per category and month with last year&apos;s budget</source>
        <translation>Vergleicht, was je Kategorie und Monat gebucht wurde, mit dem Budget des Vorjahres</translation>
    </message>
    <message>
        <source>This budget names no last year&apos;s budget yet: choose it to see last year&apos;s figures.</source>
        <translation>Dieses Budget nennt noch kein Budget des Vorjahres: Wählen Sie es, um die Zahlen des Vorjahres zu sehen.</translation>
    </message>
    <message>
        <source>The Same Name</source>
        <translation>Derselbe Name</translation>
    </message>
    <message>
        <source>Match by Hand</source>
        <translation>Von Hand zuordnen</translation>
    </message>
    <message>
        <source>Match a category by hand</source>
        <translation>Eine Kategorie von Hand zuordnen</translation>
    </message>
    <message>
        <source>Last year, %1 was called:</source>
        <translation>Letztes Jahr hieß %1:</translation>
    </message>
    <message>
        <source>Compared with Last Year</source>
        <translation>Verglichen mit dem Vorjahr</translation>
    </message>
    <message>
        <source>Export Comparison as CSV</source>
        <translation>Vergleich als CSV exportieren</translation>
    </message>
    <message>
        <source>The export could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Der Export konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation>Vergleich als PDF exportieren</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Booked per category and month, without last year&apos;s budget</source>
        <translation>Gebucht je Kategorie und Monat, ohne das Budget des Vorjahres</translation>
    </message>
    <message>
        <source>Booked per category and month, against %1</source>
        <translation>Gebucht je Kategorie und Monat, verglichen mit %1</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Die PDF-Datei konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>CsvStatement</name>
    <message>
        <source>The statement has no header row that names its columns, and no column layout was saved for it. Import it once in the window, where its columns can be chosen.</source>
        <translation>Der Kontoauszug hat keine Kopfzeile, die seine Spalten benennt, und für ihn wurde keine Spaltenaufteilung gespeichert. Importieren Sie ihn einmal im Fenster, wo sich seine Spalten wählen lassen.</translation>
    </message>
    <message>
        <source>The statement&apos;s columns are %1. The date, the description or the amount is not among the names this program knows, and no column layout was saved for them. Import it once in the window, where its columns can be chosen.</source>
        <translation>Die Spalten des Kontoauszugs sind %1. Datum, Beschreibung oder Betrag sind nicht unter den Namen, die dieses Programm kennt, und für sie wurde keine Spaltenaufteilung gespeichert. Importieren Sie ihn einmal im Fenster, wo sich seine Spalten wählen lassen.</translation>
    </message>
    <message>
        <source>Choose the columns of the date, the description and the amount.</source>
        <translation>Wählen Sie die Spalten für Datum, Beschreibung und Betrag.</translation>
    </message>
    <message>
        <source>This line has %1 fields, fewer than the columns chosen.</source>
        <translation>Diese Zeile hat %1 Felder, weniger als Spalten gewählt sind.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation>„%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount this program can read.</source>
        <translation>„%1“ ist kein Betrag, den dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>This line has no amount.</source>
        <translation>Diese Zeile hat keinen Betrag.</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>The quoted field that begins on this line is never closed.</source>
        <translation>Das Feld in Anführungszeichen, das in dieser Zeile beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>A quoted field is followed by more text before the next delimiter.</source>
        <translation>Auf ein Feld in Anführungszeichen folgt vor dem nächsten Trennzeichen weiterer Text.</translation>
    </message>
    <message>
        <source>This line has %1 fields where the table has %2. A field that holds the delimiter (%3) must be in double quotes.</source>
        <translation>Diese Zeile hat %1 Felder, die Tabelle hat %2. Ein Feld, das das Trennzeichen (%3) enthält, muss in doppelten Anführungszeichen stehen.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>ein Tabulator</translation>
    </message>
</context>
<context>
    <name>DesktopCommands</name>
    <message>
        <source>Export Budget Grid</source>
        <translation>Budgettabelle exportieren</translation>
    </message>
    <message>
        <source>Budget Grid</source>
        <translation>Budgettabelle</translation>
    </message>
    <message>
        <source>Export %1 Register</source>
        <translation>Kassenbuch %1 exportieren</translation>
    </message>
    <message>
        <source>%1 Register</source>
        <translation>Kassenbuch %1</translation>
    </message>
    <message>
        <source>&amp;Register of %1 as CSV…</source>
        <translation>Kassenbuch des &amp;Monats %1 als CSV…</translation>
    </message>
    <message>
        <source>The export could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Der Export konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DocumentSafety</name>
    <message>
        <source>File in Use</source>
        <translation>Datei in Gebrauch</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Data File %1 was not saved: its backup could not be written (%2).

Free some space on the disk, or turn off &quot;Keep backups&quot; in the Preferences.
</source>
        <translation>Datendatei %1 wurde nicht gespeichert: Ihre Sicherung konnte nicht geschrieben werden (%2).

Geben Sie Platz auf dem Datenträger frei oder schalten Sie „Sicherungen behalten“ in den Einstellungen aus.
</translation>
    </message>
    <message>
        <source>The backup %1 could not be read and was not restored.
</source>
        <translation>Die Sicherung %1 konnte nicht gelesen werden und wurde nicht wiederhergestellt.
</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>A budget never saved</source>
        <translation>Ein nie gespeichertes Budget</translation>
    </message>
    <message>
        <source>%1 has changes that were not saved. The last change was made on %2.

Recover them, or discard them? Discarded changes are kept with the backups.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert wurden. Die letzte Änderung war am %2.

Wiederherstellen oder verwerfen? Verworfene Änderungen bleiben bei den Sicherungen erhalten.</translation>
    </message>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ungesicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be read; they are kept with the backups.
</source>
        <translation>Die ungesicherten Änderungen an %1 konnten nicht gelesen werden; sie bleiben bei den Sicherungen erhalten.
</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be moved to the backups (%2).
</source>
        <translation>Die ungesicherten Änderungen an %1 konnten nicht zu den Sicherungen verschoben werden (%2).
</translation>
    </message>
    <message>
        <source>Data File %1 was not saved: it could not be read to keep its backup (%2).

Check that it is a file you may read, or save the budget under another name.
</source>
        <translation>Datendatei %1 wurde nicht gespeichert: Sie konnte für ihre Sicherung nicht gelesen werden (%2).

Prüfen Sie, ob es eine Datei ist, die Sie lesen dürfen, oder speichern Sie das Budget unter einem anderen Namen.
</translation>
    </message>
    <message>
        <source>%1 is open in Orrinwick on %2 (user %4) since %3.

Changes made in one of the two programs may be lost when the other saves.</source>
        <translation>%1 ist seit %3 in Orrinwick auf %2 (Benutzer %4) geöffnet.

Änderungen in einem der beiden Programme können verloren gehen, wenn das andere speichert.</translation>
    </message>
    <message>
        <source>Data File %1 was not saved: the version another program wrote could not be kept with the backups (%2).
</source>
        <translation>Datendatei %1 wurde nicht gespeichert: Die Fassung, die ein anderes Programm schrieb, ließ sich nicht bei den Sicherungen aufbewahren (%2).
</translation>
    </message>
    <message>
        <source>%1 was not reloaded: the unsaved changes could not be kept with the backups (%2).
</source>
        <translation>%1 wurde nicht neu geladen: Die ungesicherten Änderungen ließen sich nicht bei den Sicherungen aufbewahren (%2).
</translation>
    </message>
    <message>
        <source>The recovery file %1 could not be written.

Until it can, a crash would lose the changes made since the last save; it is tried again after the next change. Free some space on the disk, or save the budget.
</source>
        <translation>Die Wiederherstellungsdatei %1 konnte nicht geschrieben werden.

Bis das wieder geht, würde ein Absturz die Änderungen seit dem letzten Speichern verlieren; nach der nächsten Änderung wird es erneut versucht. Schaffen Sie Platz auf der Platte, oder speichern Sie das Budget.
</translation>
    </message>
</context>
<context>
    <name>DocumentSync</name>
    <message>
        <source>Data File %1 could not be opened for write!
</source>
        <translation>Die Datendatei %1 konnte nicht zum Schreiben geöffnet werden!
</translation>
    </message>
    <message>
        <source>File operations not allowed due to SVN sync failure!
</source>
        <translation>Dateioperationen sind wegen eines fehlgeschlagenen SVN-Abgleichs nicht erlaubt!
</translation>
    </message>
    <message>
        <source>Performing SVN update</source>
        <translation>SVN-Aktualisierung läuft</translation>
    </message>
    <message>
        <source>SVN update left %1 in conflict!
File Not Loaded.</source>
        <translation>Die SVN-Aktualisierung hat %1 im Konflikt hinterlassen!
Datei nicht geladen.</translation>
    </message>
    <message>
        <source>File Not Loaded.</source>
        <translation>Datei nicht geladen.</translation>
    </message>
    <message>
        <source>Performing SVN commit</source>
        <translation>SVN-Commit läuft</translation>
    </message>
    <message>
        <source>SVN commit failed: the Subversion client %1 could not be started!
</source>
        <translation>SVN-Commit fehlgeschlagen: Der Subversion-Client %1 konnte nicht gestartet werden!
</translation>
    </message>
    <message>
        <source>SVN commit returned status %1!
</source>
        <translation>SVN-Commit endete mit Status %1!
</translation>
    </message>
    <message>
        <source>SVN update failed: the Subversion client %1 could not be started!
</source>
        <translation>SVN-Aktualisierung fehlgeschlagen: Der Subversion-Client %1 konnte nicht gestartet werden!
</translation>
    </message>
    <message>
        <source>SVN update returned status %1!
</source>
        <translation>SVN-Aktualisierung endete mit Status %1!
</translation>
    </message>
    <message>
        <source>Tunnel helper %1 not found!
Continuing without it.</source>
        <translation>Tunnelhelfer %1 nicht gefunden!
Es geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>Tunnel helper %1 could not be started!
Continuing without it.</source>
        <translation>Tunnelhelfer %1 konnte nicht gestartet werden!
Es geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Continue launching Orrinwick</source>
        <translation>Orrinwick weiter starten</translation>
    </message>
    <message>
        <source>SVN update cancelled.
%1 was loaded as the working copy has it, without the update; it will not be committed when you leave it.</source>
        <translation>SVN-Aktualisierung abgebrochen.
%1 wurde so geladen, wie die Arbeitskopie sie hat, ohne die Aktualisierung; beim Verlassen wird sie nicht übergeben.</translation>
    </message>
    <message>
        <source>SVN update cancelled.
</source>
        <translation>SVN-Aktualisierung abgebrochen.
</translation>
    </message>
    <message>
        <source>SVN commit cancelled.
%1 is saved, but not committed.</source>
        <translation>SVN-Übergabe abgebrochen.
%1 ist gespeichert, aber nicht übergeben.</translation>
    </message>
</context>
<context>
    <name>DueCommandLine</name>
    <message>
        <source>--until takes a date such as 2026-05-31</source>
        <translation>--until nimmt ein Datum wie 2026-05-31</translation>
    </message>
    <message>
        <source>recurring transaction %1 cannot be read, %2; it enters nothing</source>
        <translation>wiederkehrende Buchung %1 lässt sich nicht lesen, %2; sie trägt nichts ein</translation>
    </message>
    <message>
        <source>%1 due up to %2</source>
        <translation>%1 fällig bis %2</translation>
    </message>
    <message>
        <source>%1 entered up to %2</source>
        <translation>%1 eingetragen bis %2</translation>
    </message>
</context>
<context>
    <name>DueTransactions</name>
    <message>
        <source>Due Transactions</source>
        <translation>Fällige Buchungen</translation>
    </message>
    <message>
        <source>Due transactions</source>
        <translation>Fällige Buchungen</translation>
    </message>
    <message>
        <source>These recurring transactions are due. Change a day or an amount where the bill says otherwise.</source>
        <translation>Diese wiederkehrenden Buchungen sind fällig. Ändern Sie einen Tag oder Betrag, wo die Rechnung etwas anderes sagt.</translation>
    </message>
    <message>
        <source>What the window is for</source>
        <translation>Wofür das Fenster da ist</translation>
    </message>
    <message>
        <source>Due occurrences</source>
        <translation>Fällige Termine</translation>
    </message>
    <message>
        <source>Each occurrence due: its day and amount can be changed before it is entered</source>
        <translation>Jeder fällige Termin: Tag und Betrag lassen sich vor dem Eintragen ändern</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>Enter the selected occurrences</source>
        <translation>Die ausgewählten Termine eintragen</translation>
    </message>
    <message>
        <source>Adds the selected occurrences as records, on their day with their amount</source>
        <translation>Fügt die ausgewählten Termine als Buchungen hinzu, an ihrem Tag mit ihrem Betrag</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Skip the selected occurrences</source>
        <translation>Die ausgewählten Termine überspringen</translation>
    </message>
    <message>
        <source>The selected occurrences are never entered and never offered again</source>
        <translation>Die ausgewählten Termine werden nie eingetragen und nie wieder angeboten</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>S&amp;päter</translation>
    </message>
    <message>
        <source>Leave the selected occurrences for later</source>
        <translation>Die ausgewählten Termine für später lassen</translation>
    </message>
    <message>
        <source>The selected occurrences, and the later ones of the same transactions, stay due</source>
        <translation>Die ausgewählten Termine und die späteren derselben Buchungen bleiben fällig</translation>
    </message>
    <message>
        <source>Enter &amp;All</source>
        <translation>&amp;Alle eintragen</translation>
    </message>
    <message>
        <source>Enter all occurrences</source>
        <translation>Alle Termine eintragen</translation>
    </message>
    <message>
        <source>Adds every occurrence listed as a record</source>
        <translation>Fügt jeden aufgeführten Termin als Buchung hinzu</translation>
    </message>
    <message>
        <source>S&amp;kip All</source>
        <translation>Alle ü&amp;berspringen</translation>
    </message>
    <message>
        <source>Skip all occurrences</source>
        <translation>Alle Termine überspringen</translation>
    </message>
    <message>
        <source>No occurrence listed is ever entered or offered again</source>
        <translation>Kein aufgeführter Termin wird je eingetragen oder wieder angeboten</translation>
    </message>
    <message>
        <source>La&amp;ter All</source>
        <translation>Alle spä&amp;ter</translation>
    </message>
    <message>
        <source>Leave all occurrences for later</source>
        <translation>Alle Termine für später lassen</translation>
    </message>
    <message>
        <source>Closes the window; every occurrence listed stays due</source>
        <translation>Schließt das Fenster; jeder aufgeführte Termin bleibt fällig</translation>
    </message>
</context>
<context>
    <name>DueTransactionsDialog</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>An estimate: type the amount the bill says</source>
        <translation>Eine Schätzung: Geben Sie den Betrag der Rechnung ein</translation>
    </message>
</context>
<context>
    <name>EnvelopeWindow</name>
    <message>
        <source>Envelopes</source>
        <translation>Umschläge</translation>
    </message>
    <message>
        <source>Envelope editor</source>
        <translation>Umschlag-Editor</translation>
    </message>
    <message>
        <source>Month whose envelopes are shown</source>
        <translation>Monat, dessen Umschläge gezeigt werden</translation>
    </message>
    <message>
        <source>Envelope amounts</source>
        <translation>Umschlagbeträge</translation>
    </message>
    <message>
        <source>Close envelope editor</source>
        <translation>Umschlag-Editor schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What each category may spend this month: type an amount to change it</source>
        <translation>Was jede Kategorie diesen Monat ausgeben darf: Einen Betrag eingeben, um ihn zu ändern</translation>
    </message>
    <message>
        <source>Close the envelope editor (Esc)</source>
        <translation>Den Umschlag-Editor schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Enter File / Path for new File</source>
        <translation>Datei / Pfad für die neue Datei eingeben</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>No budget file was opened yet</source>
        <translation>Es wurde noch keine Budgetdatei geöffnet</translation>
    </message>
    <message>
        <source>Forget the files listed here; the files stay as they are</source>
        <translation>Die hier aufgeführten Dateien vergessen; die Dateien selbst bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not there.

It may be on a drive or a network share that is not connected yet. Orrinwick keeps its name and looks for it again at the next start.</source>
        <translation>%1 ist nicht da.

Sie liegt vielleicht auf einem Laufwerk oder einer Netzwerkfreigabe, die noch nicht verbunden ist. Orrinwick behält ihren Namen und sucht sie beim nächsten Start wieder.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Choose Another…</source>
        <translation>Andere wählen…</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is no ordinary file but a device, a pipe or a socket.</source>
        <translation>%1 ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.</translation>
    </message>
    <message>
        <source>%1 is %2, larger than the limit of %3.</source>
        <translation>%1 ist %2 groß, mehr als die Grenze von %3.</translation>
    </message>
</context>
<context>
    <name>FillPreview</name>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill preview</source>
        <translation>Vorschau des Füllens</translation>
    </message>
    <message>
        <source>The rule of the fill</source>
        <translation>Die Regel des Füllens</translation>
    </message>
    <message>
        <source>Note on the figures</source>
        <translation>Hinweis zu den Zahlen</translation>
    </message>
    <message>
        <source>Amounts before and after the fill</source>
        <translation>Beträge vor und nach dem Füllen</translation>
    </message>
    <message>
        <source>Each month that changes, with its amount now and after the fill</source>
        <translation>Jeder Monat, der sich ändert, mit seinem Betrag jetzt und nach dem Füllen</translation>
    </message>
</context>
<context>
    <name>FillPreviewDialog</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>After the Fill</source>
        <translation>Nach dem Füllen</translation>
    </message>
    <message>
        <source>Fill the months as shown</source>
        <translation>Die Monate wie gezeigt füllen</translation>
    </message>
    <message>
        <source>Changes the amounts as shown, in one step that Undo takes back</source>
        <translation>Ändert die Beträge wie gezeigt, in einem Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Cancel the fill</source>
        <translation>Das Füllen abbrechen</translation>
    </message>
    <message>
        <source>Closes the preview and changes nothing</source>
        <translation>Schließt die Vorschau und ändert nichts</translation>
    </message>
    <message>
        <source>Fill 1 Month</source>
        <translation>1 Monat füllen</translation>
    </message>
    <message>
        <source>Fill %1 Months</source>
        <translation>%1 Monate füllen</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilung</translation>
    </message>
</context>
<context>
    <name>FindTransactionsDialog</name>
    <message>
        <source>&amp;Show in Register</source>
        <translation>Im &amp;Kassenbuch zeigen</translation>
    </message>
    <message>
        <source>Find Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Found transactions</source>
        <translation>Gefundene Buchungen</translation>
    </message>
    <message>
        <source>Found transactions and their total</source>
        <translation>Gefundene Buchungen und ihre Summe</translation>
    </message>
    <message>
        <source>Show in Register</source>
        <translation>Im Kassenbuch zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type to search every month of the year.</source>
        <translation>Tippen Sie, um alle Monate des Jahres zu durchsuchen.</translation>
    </message>
    <message>
        <source>No transactions found.</source>
        <translation>Keine Buchungen gefunden.</translation>
    </message>
    <message>
        <source>1 transaction found, total %1</source>
        <translation>1 Buchung gefunden, Summe %1</translation>
    </message>
    <message>
        <source>%1 transactions found, total %2</source>
        <translation>%1 Buchungen gefunden, Summe %2</translation>
    </message>
    <message>
        <source>The transactions of the year that match; Enter shows one in the register</source>
        <translation>Die passenden Buchungen des Jahres; Eingabe zeigt eine im Kassenbuch</translation>
    </message>
    <message>
        <source>Show the selected transaction in its month&apos;s register</source>
        <translation>Die ausgewählte Buchung im Kassenbuch ihres Monats zeigen</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Dieses Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>Find text, amount, range or tag</source>
        <translation>Text, Betrag, Bereich oder Schlagwort suchen</translation>
    </message>
    <message>
        <source>Description, note, category, amount, a range such as &gt; 100, or a tag such as #holiday</source>
        <translation>Beschreibung, Notiz, Kategorie, Betrag, ein Bereich wie &gt; 100 oder ein Schlagwort wie #urlaub</translation>
    </message>
    <message>
        <source>Type what to find: words of a description, note or category, an amount, a range such as &gt; 100 or 10..20, or a tag such as #holiday (with more words, both); Down goes to the list</source>
        <translation>Eingeben, was zu suchen ist: Wörter einer Beschreibung, Notiz oder Kategorie, ein Betrag, ein Bereich wie &gt; 100 oder 10..20 oder ein Schlagwort wie #urlaub (mit weiteren Wörtern beides); Pfeil nach unten geht zur Liste</translation>
    </message>
</context>
<context>
    <name>HandbookWindow</name>
    <message>
        <source>Orrinwick Handbook</source>
        <translation>Orrinwick-Handbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go back to the page shown before (%1)</source>
        <translation>Zur vorher gezeigten Seite zurückgehen (%1)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Go forward again (%1)</source>
        <translation>Wieder vorgehen (%1)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents page</source>
        <translation>Inhaltsseite</translation>
    </message>
    <message>
        <source>Show the handbook&apos;s contents</source>
        <translation>Den Inhalt des Handbuchs zeigen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Search the handbook</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Type words to list the pages that hold them; Enter finds the next place on the page (%1)</source>
        <translation>Wörter eingeben, um die Seiten aufzulisten, die sie enthalten; Eingabe findet die nächste Stelle auf der Seite (%1)</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>Handbook pages</source>
        <translation>Seiten des Handbuchs</translation>
    </message>
    <message>
        <source>The handbook&apos;s pages; Enter or a click shows one</source>
        <translation>Die Seiten des Handbuchs; Eingabe oder ein Klick zeigt eine</translation>
    </message>
    <message>
        <source>Handbook page</source>
        <translation>Seite des Handbuchs</translation>
    </message>
    <message>
        <source>The page; Tab moves between its links and Enter follows one</source>
        <translation>Die Seite; Tab geht zwischen ihren Verweisen, Eingabe folgt einem</translation>
    </message>
    <message>
        <source>No page holds &quot;%1&quot;.</source>
        <translation>Keine Seite enthält „%1“.</translation>
    </message>
    <message>
        <source>1 page holds &quot;%1&quot;.</source>
        <translation>1 Seite enthält „%1“.</translation>
    </message>
    <message>
        <source>%1 pages hold &quot;%2&quot;.</source>
        <translation>%1 Seiten enthalten „%2“.</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>Orrinwick &amp;Handbook</source>
        <translation>Orrinwick-&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Open the &amp;Sample Budget</source>
        <translation>&amp;Beispielbudget öffnen</translation>
    </message>
    <message>
        <source>Read how Orrinwick works, page by page, with a search</source>
        <translation>Nachlesen, wie Orrinwick funktioniert, Seite für Seite, mit einer Suche</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the menus and the main window</source>
        <translation>Jedes Tastenkürzel der Menüs und des Hauptfensters auflisten</translation>
    </message>
    <message>
        <source>Open a copy of a household&apos;s sample budget to try things out; your own file stays as it is</source>
        <translation>Eine Kopie des Beispielbudgets eines Haushalts zum Ausprobieren öffnen; Ihre eigene Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>Sample Budget (a copy): %1</source>
        <translation>Beispielbudget (eine Kopie): %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&amp;Import Transactions…</source>
        <translation>Buchungen &amp;importieren…</translation>
    </message>
    <message>
        <source>Add the transactions of a bank statement (OFX, QFX, QIF or CSV) to the registers</source>
        <translation>Die Buchungen eines Kontoauszugs (OFX, QFX, QIF oder CSV) in die Kassenbücher übernehmen</translation>
    </message>
    <message>
        <source>Import 1 Transaction</source>
        <translation>1 Buchung importieren</translation>
    </message>
    <message>
        <source>Import %1 Transactions</source>
        <translation>%1 Buchungen importieren</translation>
    </message>
</context>
<context>
    <name>ImportCommandLine</name>
    <message>
        <source>--format takes ofx, qif or csv</source>
        <translation>--format nimmt ofx, qif oder csv</translation>
    </message>
    <message>
        <source>--year takes a year such as 2026</source>
        <translation>--year nimmt ein Jahr wie 2026</translation>
    </message>
    <message>
        <source>Every date reads alike month first or day first; they were read month first.</source>
        <translation>Jedes Datum lässt sich mit Monat oder Tag zuerst gleich lesen; sie wurden mit dem Monat zuerst gelesen.</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>credit, no category</source>
        <translation>Gutschrift, keine Kategorie</translation>
    </message>
    <message>
        <source>credit, left out</source>
        <translation>Gutschrift, ausgelassen</translation>
    </message>
    <message>
        <source>no category</source>
        <translation>keine Kategorie</translation>
    </message>
    <message>
        <source>Would add %1 of %2 lines to %3 (%4). Duplicates: %5, other years: %6, without a category: %7, credits left out: %8.</source>
        <translation>Würde %1 von %2 Zeilen zu %3 (%4) hinzufügen. Doppelte: %5, andere Jahre: %6, ohne Kategorie: %7, ausgelassene Gutschriften: %8.</translation>
    </message>
    <message>
        <source>Added %1 of %2 lines to %3 (%4). Duplicates: %5, other years: %6, without a category: %7, credits left out: %8.</source>
        <translation>%1 von %2 Zeilen zu %3 (%4) hinzugefügt. Doppelte: %5, andere Jahre: %6, ohne Kategorie: %7, ausgelassene Gutschriften: %8.</translation>
    </message>
    <message>
        <source>The budget file %1 could not be written; it is unchanged.</source>
        <translation>Die Budgetdatei %1 konnte nicht geschrieben werden; sie ist unverändert.</translation>
    </message>
    <message>
        <source>%1 is open in Orrinwick on %2 (process %3), which would save over the imported lines. Nothing was imported: quit that Orrinwick, or import in its window.</source>
        <translation>%1 ist in Orrinwick auf %2 geöffnet (Prozess %3), das die importierten Zeilen beim Sichern überschreiben würde. Es wurde nichts importiert: Beenden Sie dieses Orrinwick oder importieren Sie in seinem Fenster.</translation>
    </message>
    <message>
        <source>added, %1</source>
        <translation>hinzugefügt, %1</translation>
    </message>
    <message>
        <source>added whole; the window proposes to split it as last time</source>
        <translation>ganz hinzugefügt; das Fenster schlägt vor, sie wie zuletzt aufzuteilen</translation>
    </message>
    <message>
        <source>added as a split of %1 parts</source>
        <translation>als Aufteilung in %1 Teile hinzugefügt</translation>
    </message>
    <message>
        <source>added; %1</source>
        <translation>hinzugefügt; %1</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>other year</source>
        <translation>anderes Jahr</translation>
    </message>
    <message>
        <source>needs a category</source>
        <translation>braucht eine Kategorie</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>Gutschrift</translation>
    </message>
    <message>
        <source>a part&apos;s amount cannot be read, so it enters whole</source>
        <translation>der Betrag eines Teils ist nicht lesbar, daher geht sie ganz ein</translation>
    </message>
    <message>
        <source>its parts add up to %1, not %2, so it enters whole</source>
        <translation>ihre Teile ergeben %1, nicht %2, daher geht sie ganz ein</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>split as last time: %1 — tick to confirm</source>
        <translation>aufgeteilt wie zuletzt: %1 — zum Bestätigen anhaken</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Only a line of the budget&apos;s year can be split.</source>
        <translation>Nur eine Zeile aus dem Jahr des Budgets lässt sich aufteilen.</translation>
    </message>
    <message>
        <source>Choose a category of the budget.</source>
        <translation>Wählen Sie eine Kategorie des Budgets.</translation>
    </message>
    <message>
        <source>Choose a category for each part.</source>
        <translation>Wählen Sie für jeden Teil eine Kategorie.</translation>
    </message>
    <message>
        <source>The parts add up to %1, but the total is %2.</source>
        <translation>Die Teile ergeben %1, der Gesamtbetrag ist aber %2.</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Import transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Kontoauszug</translation>
    </message>
    <message>
        <source>Budget &amp;year:</source>
        <translation>Budget&amp;jahr:</translation>
    </message>
    <message>
        <source>Budget year</source>
        <translation>Budgetjahr</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Datumsfolge:</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumsfolge</translation>
    </message>
    <message>
        <source>Date order note</source>
        <translation>Hinweis zur Datumsfolge</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>CSV columns</source>
        <translation>CSV-Spalten</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;tum:</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>Datumsspalte</translation>
    </message>
    <message>
        <source>Descri&amp;ption:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Description column</source>
        <translation>Beschreibungsspalte</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>&amp;Vermerk:</translation>
    </message>
    <message>
        <source>Memo column</source>
        <translation>Vermerkspalte</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>Betr&amp;ag:</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>Betragsspalte</translation>
    </message>
    <message>
        <source>Deb&amp;it:</source>
        <translation>S&amp;oll:</translation>
    </message>
    <message>
        <source>Debit column</source>
        <translation>Sollspalte</translation>
    </message>
    <message>
        <source>Cr&amp;edit:</source>
        <translation>&amp;Haben:</translation>
    </message>
    <message>
        <source>Credit column</source>
        <translation>Habenspalte</translation>
    </message>
    <message>
        <source>First row &amp;names the columns</source>
        <translation>Erste &amp;Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>First row names the columns</source>
        <translation>Erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>Decimal &amp;comma (12,50)</source>
        <translation>Dezimal&amp;komma (12,50)</translation>
    </message>
    <message>
        <source>Decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>Statement lines</source>
        <translation>Zeilen des Kontoauszugs</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>&amp;Rules…</source>
        <translation>&amp;Regeln…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Edit the rules that give lines their category</source>
        <translation>Die Regeln bearbeiten, die Zeilen ihre Kategorie geben</translation>
    </message>
    <message>
        <source>&amp;Save as Rule…</source>
        <translation>Als Regel s&amp;peichern…</translation>
    </message>
    <message>
        <source>Save as rule</source>
        <translation>Als Regel speichern</translation>
    </message>
    <message>
        <source>Make a rule from the selected line&apos;s description and category</source>
        <translation>Aus Beschreibung und Kategorie der gewählten Zeile eine Regel machen</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>Dialogschaltflächen</translation>
    </message>
    <message>
        <source>The year of the budget the lines go into; lines of other years are left out</source>
        <translation>Das Jahr des Budgets, in das die Zeilen kommen; Zeilen anderer Jahre bleiben draußen</translation>
    </message>
    <message>
        <source>Whether the bank writes the month or the day first</source>
        <translation>Ob die Bank den Monat oder den Tag zuerst schreibt</translation>
    </message>
    <message>
        <source>The column that holds each line&apos;s date</source>
        <translation>Die Spalte mit dem Datum jeder Zeile</translation>
    </message>
    <message>
        <source>The column that holds the payee or description</source>
        <translation>Die Spalte mit dem Empfänger oder der Beschreibung</translation>
    </message>
    <message>
        <source>The column whose text becomes the transaction&apos;s note</source>
        <translation>Die Spalte, deren Text zur Notiz der Buchung wird</translation>
    </message>
    <message>
        <source>The column with the amount, money out negative</source>
        <translation>Die Spalte mit dem Betrag, Ausgänge negativ</translation>
    </message>
    <message>
        <source>The column with money paid out, where the bank keeps it apart</source>
        <translation>Die Spalte mit den Ausgängen, wo die Bank sie getrennt führt</translation>
    </message>
    <message>
        <source>The column with money paid in, where the bank keeps it apart</source>
        <translation>Die Spalte mit den Eingängen, wo die Bank sie getrennt führt</translation>
    </message>
    <message>
        <source>The first row holds the columns&apos; names, not a transaction</source>
        <translation>Die erste Zeile enthält die Namen der Spalten, keine Buchung</translation>
    </message>
    <message>
        <source>Amounts are written with a decimal comma, as 12,50</source>
        <translation>Beträge sind mit Dezimalkomma geschrieben, wie 12,50</translation>
    </message>
    <message>
        <source>The statement&apos;s lines: tick those to import and choose a category for each</source>
        <translation>Die Zeilen des Kontoauszugs: Die zu importierenden anhaken und für jede eine Kategorie wählen</translation>
    </message>
    <message>
        <source>Sp&amp;lit…</source>
        <translation>A&amp;ufteilen…</translation>
    </message>
    <message>
        <source>Split the line</source>
        <translation>Die Zeile aufteilen</translation>
    </message>
    <message>
        <source>Split the selected line over several categories, or change or undo its split</source>
        <translation>Die gewählte Zeile auf mehrere Kategorien aufteilen oder ihre Aufteilung ändern oder aufheben</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>%1 (CSV, separated by %2, %3)</source>
        <translation>%1 (CSV, getrennt durch %2, %3)</translation>
    </message>
    <message>
        <source>Month first (12/31)</source>
        <translation>Monat zuerst (12/31)</translation>
    </message>
    <message>
        <source>Day first (31/12)</source>
        <translation>Tag zuerst (31/12)</translation>
    </message>
    <message>
        <source>Date Order</source>
        <translation>Datumsfolge</translation>
    </message>
    <message>
        <source>The dates of &quot;%1&quot; read alike month first and day first: 04/05 could be 4 May or 5 April. In which order does the bank write them?</source>
        <translation>Die Daten in „%1“ lassen sich mit Monat oder Tag zuerst gleich lesen: 04/05 kann der 4. Mai oder der 5. April sein. In welcher Reihenfolge schreibt die Bank sie?</translation>
    </message>
    <message>
        <source>Month First</source>
        <translation>Monat zuerst</translation>
    </message>
    <message>
        <source>Day First</source>
        <translation>Tag zuerst</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import 1 Transaction</source>
        <translation>1 Buchung importieren</translation>
    </message>
    <message>
        <source>Import %1 Transactions</source>
        <translation>%1 Buchungen importieren</translation>
    </message>
    <message>
        <source>Every date reads alike either way: check them.</source>
        <translation>Jedes Datum lässt sich in beiden Reihenfolgen gleich lesen: Prüfen Sie sie.</translation>
    </message>
    <message>
        <source>%1 lines. New: %2, duplicates: %3, other years: %4, needing a category: %5, credits: %6. Ticked: %7.</source>
        <translation>%1 Zeilen. Neu: %2, doppelt: %3, andere Jahre: %4, ohne Kategorie: %5, Gutschriften: %6. Angehakt: %7.</translation>
    </message>
    <message>
        <source>Add the ticked lines to the registers, in one step that Undo takes back</source>
        <translation>Die angehakten Zeilen in die Kassenbücher übernehmen, in einem Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Close and import nothing (Esc)</source>
        <translation>Schließen und nichts importieren (Esc)</translation>
    </message>
    <message>
        <source>New categories the import creates: %1.</source>
        <translation>Neue Kategorien, die der Import anlegt: %1.</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose a category: no rule and no earlier entry names one.</source>
        <translation>Wählen Sie eine Kategorie: Keine Regel und kein früherer Eintrag nennt eine.</translation>
    </message>
    <message>
        <source>From one of your rules.</source>
        <translation>Aus einer Ihrer Regeln.</translation>
    </message>
    <message>
        <source>As entered before under this description.</source>
        <translation>Wie früher unter dieser Beschreibung eingetragen.</translation>
    </message>
    <message>
        <source>Chosen here.</source>
        <translation>Hier gewählt.</translation>
    </message>
    <message>
        <source>Book the bank&apos;s amount</source>
        <translation>Den Betrag der Bank buchen</translation>
    </message>
    <message>
        <source>Keep the entered amount</source>
        <translation>Den eingetragenen Betrag behalten</translation>
    </message>
    <message>
        <source>A split: Split… changes its parts or puts it back whole.</source>
        <translation>Eine Aufteilung: Aufteilen… ändert ihre Teile oder macht sie wieder zu einer Zeile.</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <source>Import Rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>A line whose description contains the text gets the category. The first rule that applies wins.</source>
        <translation>Eine Zeile, deren Beschreibung den Text enthält, erhält die Kategorie. Die erste zutreffende Regel gilt.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Description contains</source>
        <translation>Beschreibung enthält</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>Regel nach oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>Regel nach unten</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>Dialogschaltflächen</translation>
    </message>
    <message>
        <source>Each rule: a text a description contains, and the category it gives</source>
        <translation>Jede Regel: ein Text, den eine Beschreibung enthält, und die Kategorie, die sie vergibt</translation>
    </message>
    <message>
        <source>Add an empty rule at the end</source>
        <translation>Am Ende eine leere Regel hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Die ausgewählte Regel entfernen</translation>
    </message>
    <message>
        <source>Move the selected rule up, so that it applies before the one above</source>
        <translation>Die ausgewählte Regel nach oben schieben, damit sie vor der darüber gilt</translation>
    </message>
    <message>
        <source>Move the selected rule down</source>
        <translation>Die ausgewählte Regel nach unten schieben</translation>
    </message>
</context>
<context>
    <name>ImportRulesDialog</name>
    <message>
        <source>Keep the rules as they stand now</source>
        <translation>Die Regeln so übernehmen, wie sie jetzt stehen</translation>
    </message>
    <message>
        <source>Close and keep the rules as they were (Esc)</source>
        <translation>Schließen und die Regeln lassen, wie sie waren (Esc)</translation>
    </message>
</context>
<context>
    <name>LastYearBudget</name>
    <message>
        <source>Last year&apos;s budget %1 is not there</source>
        <translation>Das Budget des Vorjahres %1 ist nicht da</translation>
    </message>
    <message>
        <source>Last year&apos;s budget %1 could not be read</source>
        <translation>Das Budget des Vorjahres %1 konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Orrinwick budget</source>
        <translation>Orrinwick-Budget</translation>
    </message>
    <message>
        <source>Budget and register</source>
        <translation>Budget und Kassenbuch</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>&amp;Budget</translation>
    </message>
    <message>
        <source>Budget grid</source>
        <translation>Budgettabelle</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Delete Category</source>
        <translation>Kategorie &amp;löschen</translation>
    </message>
    <message>
        <source>Delete category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Kassenbuch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Month Register as CSV</source>
        <translation>&amp;Kassenbuch eines Monats als CSV</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Budget Grid as CSV…</source>
        <translation>&amp;Budgettabelle als CSV…</translation>
    </message>
    <message>
        <source>&amp;Register of the Month as CSV…</source>
        <translation>Kassenbuch des &amp;Monats als CSV…</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>&amp;About Orrinwick</source>
        <translation>Ü&amp;ber Orrinwick</translation>
    </message>
    <message>
        <source>Res&amp;tore from Backup…</source>
        <translation>Aus Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>Start a new budget file with no categories</source>
        <translation>Eine neue Budgetdatei ohne Kategorien beginnen</translation>
    </message>
    <message>
        <source>Open a budget file</source>
        <translation>Eine Budgetdatei öffnen</translation>
    </message>
    <message>
        <source>Save the budget to its file</source>
        <translation>Das Budget in seiner Datei speichern</translation>
    </message>
    <message>
        <source>Save the budget under a new name and go on with that file</source>
        <translation>Das Budget unter einem neuen Namen speichern und mit dieser Datei weiterarbeiten</translation>
    </message>
    <message>
        <source>Bring back an earlier version of the budget from its backups</source>
        <translation>Eine frühere Fassung des Budgets aus den Sicherungen zurückholen</translation>
    </message>
    <message>
        <source>Save the budget and end Orrinwick</source>
        <translation>Das Budget speichern und Orrinwick beenden</translation>
    </message>
    <message>
        <source>Add a category at the end of the budget</source>
        <translation>Eine Kategorie am Ende des Budgets hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected category and all its transactions</source>
        <translation>Die ausgewählte Kategorie mit allen ihren Buchungen löschen</translation>
    </message>
    <message>
        <source>Choose how the data file is synced, sorted and backed up, and the view</source>
        <translation>Wählen, wie die Datendatei abgeglichen, sortiert und gesichert wird, und die Ansicht</translation>
    </message>
    <message>
        <source>Write the budget grid to a CSV file for a spreadsheet</source>
        <translation>Die Budgettabelle für eine Tabellenkalkulation in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Write the transactions of the month the register shows to a CSV file</source>
        <translation>Die Buchungen des Monats, den das Kassenbuch zeigt, in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Show the budget and the spending as charts</source>
        <translation>Budget und Ausgaben als Diagramme zeigen</translation>
    </message>
    <message>
        <source>Show the version of Orrinwick and where to get support</source>
        <translation>Die Version von Orrinwick zeigen und wo es Hilfe gibt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Write the transactions of %1 to a CSV file</source>
        <translation>Die Buchungen von %1 in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Open one of the budget files opened last</source>
        <translation>Eine der zuletzt geöffneten Budgetdateien öffnen</translation>
    </message>
    <message>
        <source>Write the budget or a month&apos;s transactions to a file</source>
        <translation>Das Budget oder die Buchungen eines Monats in eine Datei schreiben</translation>
    </message>
    <message>
        <source>Write the transactions of a month you choose to a CSV file</source>
        <translation>Die Buchungen eines gewählten Monats in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Add a category at the end of the budget (%1)</source>
        <translation>Eine Kategorie am Ende des Budgets hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Delete the selected category and all its transactions (%1)</source>
        <translation>Die ausgewählte Kategorie mit allen ihren Buchungen löschen (%1)</translation>
    </message>
    <message>
        <source>The budget by month: select a cell and type to change it</source>
        <translation>Das Budget nach Monaten: Eine Zelle wählen und tippen, um sie zu ändern</translation>
    </message>
    <message>
        <source>The budget grid: the categories by month</source>
        <translation>Die Budgettabelle: die Kategorien nach Monaten</translation>
    </message>
    <message>
        <source>The register: the transactions of one month</source>
        <translation>Das Kassenbuch: die Buchungen eines Monats</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>What happened to the budget without being asked</source>
        <translation>Was mit dem Budget geschah, ohne dass Sie gefragt wurden</translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery file cannot be written</source>
        <translation>Absturzschutz ist aus: Die Wiederherstellungsdatei lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>Crash protection off</source>
        <translation>Absturzschutz aus</translation>
    </message>
    <message>
        <source>A crash now would lose the changes since the last save. Orrinwick tries again after the next change.</source>
        <translation>Ein Absturz würde jetzt die Änderungen seit dem letzten Speichern verlieren. Orrinwick versucht es nach der nächsten Änderung erneut.</translation>
    </message>
</context>
<context>
    <name>MonthDisplay</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>MonthDisplay short</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>MonthSplits</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>part %1 of %2 of %3 %4</source>
        <translation>Teil %1 von %2 von %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4</source>
        <translation>%1 %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>NoteTagCompleter</name>
    <message>
        <source>Tags of the year</source>
        <translation>Schlagwörter des Jahres</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>This is not an OFX statement: it has no &lt;OFX&gt; element.</source>
        <translation>Dies ist kein OFX-Kontoauszug: Er hat kein &lt;OFX&gt;-Element.</translation>
    </message>
    <message>
        <source>The statement ends before its end (&lt;/OFX&gt;): the file is incomplete.</source>
        <translation>Der Kontoauszug endet vor seinem Ende (&lt;/OFX&gt;): Die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>libofx found the OFX statement malformed and could not read it.</source>
        <translation>libofx fand den OFX-Kontoauszug fehlerhaft und konnte ihn nicht lesen.</translation>
    </message>
    <message>
        <source>Transactions of the statement have no date or no amount: %1.</source>
        <translation>Buchungen des Kontoauszugs haben kein Datum oder keinen Betrag: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation>„%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount this program can read.</source>
        <translation>„%1“ ist kein Betrag, den dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>The statement could not be copied for reading: %1</source>
        <translation>Der Kontoauszug konnte zum Lesen nicht kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>PlanningCommands</name>
    <message>
        <source>F&amp;ill</source>
        <translation>Fü&amp;llen</translation>
    </message>
    <message>
        <source>&amp;Last Year&apos;s Budget…</source>
        <translation>Budget des &amp;Vorjahres…</translation>
    </message>
    <message>
        <source>Choose the budget file of the year before, to plan with</source>
        <translation>Die Budgetdatei des Vorjahres wählen, um damit zu planen</translation>
    </message>
    <message>
        <source>Fills the selected months of the Budget row, or in envelope mode of a category&apos;s envelopes, after a preview</source>
        <translation>Füllt nach einer Vorschau die gewählten Monate der Zeile Budget, im Umschlagmodus die Umschläge einer Kategorie</translation>
    </message>
    <message>
        <source>Last Year&apos;s Budget</source>
        <translation>Budget des Vorjahres</translation>
    </message>
    <message>
        <source>This is the budget you have open. Choose the file of the year before.</source>
        <translation>Dies ist das geöffnete Budget. Wählen Sie die Datei des Vorjahres.</translation>
    </message>
    <message>
        <source>Choose months of the Budget row to fill, or in envelope mode months of a category.</source>
        <translation>Wählen Sie zu füllende Monate der Zeile Budget, im Umschlagmodus Monate einer Kategorie.</translation>
    </message>
    <message>
        <source>Amount for each month:</source>
        <translation>Betrag für jeden Monat:</translation>
    </message>
    <message>
        <source>Change in percent:</source>
        <translation>Änderung in Prozent:</translation>
    </message>
</context>
<context>
    <name>PlanningEdits</name>
    <message>
        <source>Change Carry</source>
        <translation>Übertragung ändern</translation>
    </message>
    <message>
        <source>Edit Opening Amount</source>
        <translation>Anfangsbetrag bearbeiten</translation>
    </message>
    <message>
        <source>Choose Last Year&apos;s Budget</source>
        <translation>Budget des Vorjahres wählen</translation>
    </message>
    <message>
        <source>Match Category</source>
        <translation>Kategorie zuordnen</translation>
    </message>
    <message>
        <source>Fill 1 Month</source>
        <translation>1 Monat füllen</translation>
    </message>
    <message>
        <source>Fill %1 Months</source>
        <translation>%1 Monate füllen</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Datendatei</translation>
    </message>
    <message>
        <source>Data file options</source>
        <translation>Optionen der Datendatei</translation>
    </message>
    <message>
        <source>&amp;Sync the data file with Subversion</source>
        <translation>Datendatei mit Subversion &amp;abgleichen</translation>
    </message>
    <message>
        <source>Sync the data file with Subversion</source>
        <translation>Datendatei mit Subversion abgleichen</translation>
    </message>
    <message>
        <source>Start the &amp;tunnel helper at start-up</source>
        <translation>&amp;Tunnelhelfer beim Start starten</translation>
    </message>
    <message>
        <source>Start the tunnel helper at start-up</source>
        <translation>Tunnelhelfer beim Start starten</translation>
    </message>
    <message>
        <source>S&amp;ort transactions by day when loading</source>
        <translation>Buchungen beim Laden nach Tag &amp;sortieren</translation>
    </message>
    <message>
        <source>Sort transactions by day when loading</source>
        <translation>Buchungen beim Laden nach Tag sortieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>View mode</source>
        <translation>Ansichtsmodus</translation>
    </message>
    <message>
        <source>S&amp;tandard: the budget is typed per month</source>
        <translation>Stan&amp;dard: das Budget wird je Monat eingegeben</translation>
    </message>
    <message>
        <source>Standard view</source>
        <translation>Standardansicht</translation>
    </message>
    <message>
        <source>&amp;Envelopes: the budget is the sum of the envelopes</source>
        <translation>&amp;Umschläge: das Budget ist die Summe der Umschläge</translation>
    </message>
    <message>
        <source>Envelope mode</source>
        <translation>Umschlagmodus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close preferences</source>
        <translation>Einstellungen schließen</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Optionen der Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Keep backups: a save first puts the file as it was aside</source>
        <translation>Sicherungen &amp;behalten: Beim Speichern wird die bisherige Datei zuerst beiseitegelegt</translation>
    </message>
    <message>
        <source>Keep backups</source>
        <translation>Sicherungen behalten</translation>
    </message>
    <message>
        <source>Newest &amp;versions kept:</source>
        <translation>&amp;Neueste Versionen behalten:</translation>
    </message>
    <message>
        <source>Newest versions kept</source>
        <translation>Neueste Versionen behalten</translation>
    </message>
    <message>
        <source>One a &amp;day kept for the last:</source>
        <translation>Eine pro Ta&amp;g behalten für die letzten:</translation>
    </message>
    <message>
        <source>Days that keep one version a day</source>
        <translation>Tage, die eine Version pro Tag behalten</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Update the data file from Subversion before it is read, and commit it after a save</source>
        <translation>Die Datendatei vor dem Lesen aus Subversion aktualisieren und nach dem Speichern einchecken</translation>
    </message>
    <message>
        <source>Start the tunnel helper for Subversion when Orrinwick starts</source>
        <translation>Den Tunnelhelfer für Subversion starten, wenn Orrinwick startet</translation>
    </message>
    <message>
        <source>Put each month&apos;s transactions in the order of their day when a file is read</source>
        <translation>Beim Lesen einer Datei die Buchungen jedes Monats nach ihrem Tag ordnen</translation>
    </message>
    <message>
        <source>Type each month&apos;s budget in the Budget row</source>
        <translation>Das Budget jedes Monats in der Zeile Budget eingeben</translation>
    </message>
    <message>
        <source>Give each category an envelope per month; the budget is their sum</source>
        <translation>Jeder Kategorie einen Umschlag pro Monat geben; das Budget ist ihre Summe</translation>
    </message>
    <message>
        <source>Before a save writes over the file, keep the file as it was among the backups</source>
        <translation>Bevor beim Speichern die Datei überschrieben wird, die bisherige Datei bei den Sicherungen behalten</translation>
    </message>
    <message>
        <source>How many of the newest backups are always kept</source>
        <translation>Wie viele der neuesten Sicherungen immer behalten werden</translation>
    </message>
    <message>
        <source>For how many days back one backup a day is kept besides the newest</source>
        <translation>Für wie viele Tage zurück neben den neuesten eine Sicherung pro Tag behalten wird</translation>
    </message>
    <message>
        <source>Close the preferences; every choice is already in force (Esc)</source>
        <translation>Die Einstellungen schließen; jede Wahl gilt bereits (Esc)</translation>
    </message>
    <message>
        <source>Recurring transactions due in the next:</source>
        <translation>Wiederkehrende Buchungen fällig in den nächsten:</translation>
    </message>
    <message>
        <source>Recurring transactions due within this many days from today are entered or offered already</source>
        <translation>Wiederkehrende Buchungen, die innerhalb so vieler Tage ab heute fällig sind, werden schon eingetragen oder angeboten</translation>
    </message>
    <message>
        <source>Look-ahead days for recurring transactions</source>
        <translation>Tage im Voraus für wiederkehrende Buchungen</translation>
    </message>
</context>
<context>
    <name>PrintRenderer</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>PrintoutHtml</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Budget by month, envelope mode</source>
        <translation>Budget nach Monaten, Umschlagmodus</translation>
    </message>
    <message>
        <source>Budget by month</source>
        <translation>Budget nach Monaten</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Register of %1</source>
        <translation>Kassenbuch %1</translation>
    </message>
</context>
<context>
    <name>ProgWindow</name>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>What is being done</source>
        <translation>Was gerade geschieht</translation>
    </message>
    <message>
        <source>Progress indicator</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>Stop the Subversion client; the file stays as it is on this computer</source>
        <translation>Das Subversion-Programm beenden; die Datei bleibt, wie sie auf diesem Rechner ist</translation>
    </message>
    <message>
        <source>Cancel the Subversion run</source>
        <translation>Den Subversion-Lauf abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Budget files (*.txt)</source>
        <translation>Budgetdateien (*.txt)</translation>
    </message>
    <message>
        <source>Open Budget</source>
        <translation>Budget öffnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Bank statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV)</source>
        <translation>Kontoauszüge (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Budget and spending by month</source>
        <translation>Budget und Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <translation>Umschläge</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Spending of the year by category</source>
        <translation>Ausgaben des Jahres nach Kategorie</translation>
    </message>
</context>
<context>
    <name>QifReader</name>
    <message>
        <source>The transaction that begins at line %1 has no date (a line beginning with D).</source>
        <translation>Die Buchung, die in Zeile %1 beginnt, hat kein Datum (eine Zeile, die mit D beginnt).</translation>
    </message>
    <message>
        <source>The transaction that begins at line %1 has no amount (a line beginning with T).</source>
        <translation>Die Buchung, die in Zeile %1 beginnt, hat keinen Betrag (eine Zeile, die mit T beginnt).</translation>
    </message>
    <message>
        <source>This is not a QIF statement: it should begin with a line such as &quot;!Type:Bank&quot;.</source>
        <translation>Dies ist kein QIF-Kontoauszug: Er sollte mit einer Zeile wie „!Type:Bank“ beginnen.</translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card account (!Type:Bank, !Type:Cash or !Type:CCard).</source>
        <translation>Die Datei enthält kein Bank-, Bargeld- oder Kreditkartenkonto (!Type:Bank, !Type:Cash oder !Type:CCard).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation>„%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount this program can read.</source>
        <translation>„%1“ ist kein Betrag, den dieses Programm lesen kann.</translation>
    </message>
</context>
<context>
    <name>RecordEdits</name>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category of this budget. Choose one of its categories.</source>
        <translation>„%1“ ist keine Kategorie dieses Budgets. Wählen Sie eine seiner Kategorien.</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Clear Reconciled Mark</source>
        <translation>Abgleich aufheben</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Please create a category first. Categories can be edited by clicking the category action icon.</source>
        <translation>Bitte legen Sie zuerst eine Kategorie an. Kategorien lassen sich mit der Schaltfläche „Kategorien…“ bearbeiten.</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete Transactions</source>
        <translation>Buchungen löschen</translation>
    </message>
    <message>
        <source>Carry Over</source>
        <translation>Übertragen</translation>
    </message>
</context>
<context>
    <name>RecurrencePattern</name>
    <message>
        <source>weekly</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>every %1 weeks</source>
        <translation>alle %1 Wochen</translation>
    </message>
    <message>
        <source>on the last day</source>
        <translation>am letzten Tag</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>am %1.</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>monatlich %1</translation>
    </message>
    <message>
        <source>every %1 months %2</source>
        <translation>alle %1 Monate %2</translation>
    </message>
    <message>
        <source>yearly on %1</source>
        <translation>jährlich am %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month of a yearly date</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>%1, once</source>
        <translation>%1, einmal</translation>
    </message>
    <message>
        <source>%1, %2 times</source>
        <translation>%1, %2-mal</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, bis %2</translation>
    </message>
</context>
<context>
    <name>RecurrenceRule</name>
    <message>
        <source>the first date is not a date</source>
        <translation>der erste Termin ist kein Datum</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; cannot be read</source>
        <translation>die Regel „%1“ lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the rule repeats more often than once a day</source>
        <translation>die Regel wiederholt sich öfter als einmal am Tag</translation>
    </message>
</context>
<context>
    <name>RecurringCommands</name>
    <message>
        <source>&amp;Recurring Transactions…</source>
        <translation>&amp;Wiederkehrende Buchungen…</translation>
    </message>
    <message>
        <source>&amp;Make Recurring…</source>
        <translation>Wiederkehrend &amp;machen…</translation>
    </message>
    <message>
        <source>List the rent, subscriptions and bills that come back, and add or change them</source>
        <translation>Miete, Abonnements und Rechnungen, die wiederkehren, auflisten, hinzufügen oder ändern</translation>
    </message>
    <message>
        <source>Make the register&apos;s selected transaction one that comes back</source>
        <translation>Die im Kassenbuch ausgewählte Buchung wiederkehrend machen</translation>
    </message>
    <message>
        <source>1 recurring transaction was entered.</source>
        <translation>1 wiederkehrende Buchung wurde eingetragen.</translation>
    </message>
    <message>
        <source>%1 recurring transactions were entered.</source>
        <translation>%1 wiederkehrende Buchungen wurden eingetragen.</translation>
    </message>
    <message>
        <source>Select a transaction in the register first.</source>
        <translation>Wählen Sie zuerst eine Buchung im Kassenbuch aus.</translation>
    </message>
    <message>
        <source>Make Recurring</source>
        <translation>Wiederkehrend machen</translation>
    </message>
</context>
<context>
    <name>RecurringEditor</name>
    <message>
        <source>Recurring Transaction</source>
        <translation>Wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Recurring transaction editor</source>
        <translation>Editor für wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>What the records are called, as in the register</source>
        <translation>Wie die Buchungen heißen, wie im Kassenbuch</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The category the records go into</source>
        <translation>Die Kategorie, in die die Buchungen kommen</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>Bet&amp;rag:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>The amount of each record</source>
        <translation>Der Betrag jeder Buchung</translation>
    </message>
    <message>
        <source>Amount is an estimate</source>
        <translation>Betrag ist geschätzt</translation>
    </message>
    <message>
        <source>An estimate (about 80) always asks first, with the estimate filled in</source>
        <translation>Eine Schätzung (etwa 80) fragt immer vorher, mit der Schätzung eingesetzt</translation>
    </message>
    <message>
        <source>Only an e&amp;stimate: ask for the real amount</source>
        <translation>Nur ge&amp;schätzt: nach dem wirklichen Betrag fragen</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>The note of each record</source>
        <translation>Die Notiz jeder Buchung</translation>
    </message>
    <message>
        <source>&amp;First date:</source>
        <translation>Erster Term&amp;in:</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erster Termin</translation>
    </message>
    <message>
        <source>The day of the first occurrence</source>
        <translation>Der Tag des ersten Termins</translation>
    </message>
    <message>
        <source>&amp;Repeats every:</source>
        <translation>&amp;Wiederholt sich alle:</translation>
    </message>
    <message>
        <source>Repeat interval</source>
        <translation>Abstand der Wiederholung</translation>
    </message>
    <message>
        <source>How many weeks or months lie between two occurrences</source>
        <translation>Wie viele Wochen oder Monate zwischen zwei Terminen liegen</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>Ein&amp;heit:</translation>
    </message>
    <message>
        <source>Repeat unit</source>
        <translation>Einheit der Wiederholung</translation>
    </message>
    <message>
        <source>Weeks, months, or once a year on the first date&apos;s day</source>
        <translation>Wochen, Monate oder einmal im Jahr am Tag des ersten Termins</translation>
    </message>
    <message>
        <source>On da&amp;y:</source>
        <translation>Am &amp;Tag:</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>The day of the month; a day a month lacks falls on its last day</source>
        <translation>Der Tag des Monats; ein Tag, den ein Monat nicht hat, fällt auf seinen letzten Tag</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>En&amp;det:</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Never, after a number of times, or on a date</source>
        <translation>Nie, nach einer Anzahl von Malen oder an einem Datum</translation>
    </message>
    <message>
        <source>&amp;Times:</source>
        <translation>&amp;Male:</translation>
    </message>
    <message>
        <source>Number of times</source>
        <translation>Anzahl der Male</translation>
    </message>
    <message>
        <source>How many occurrences there are in all</source>
        <translation>Wie viele Termine es insgesamt gibt</translation>
    </message>
    <message>
        <source>&amp;Last date:</source>
        <translation>&amp;Letzter Tag:</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>No occurrence comes after this day</source>
        <translation>Kein Termin kommt nach diesem Tag</translation>
    </message>
    <message>
        <source>&amp;Weekend:</source>
        <translation>Wochen&amp;ende:</translation>
    </message>
    <message>
        <source>Weekend shift</source>
        <translation>Verschiebung am Wochenende</translation>
    </message>
    <message>
        <source>Where an occurrence on a Saturday or Sunday moves</source>
        <translation>Wohin ein Termin an einem Samstag oder Sonntag rückt</translation>
    </message>
    <message>
        <source>&amp;Goes in:</source>
        <translation>Eintra&amp;gen:</translation>
    </message>
    <message>
        <source>How it enters</source>
        <translation>Wie sie eingetragen wird</translation>
    </message>
    <message>
        <source>Entered by itself when due, or listed in Due Transactions first</source>
        <translation>Bei Fälligkeit von selbst eingetragen oder zuerst in „Fällige Buchungen“ aufgeführt</translation>
    </message>
    <message>
        <source>The rule in words</source>
        <translation>Die Regel in Worten</translation>
    </message>
</context>
<context>
    <name>RecurringEditorDialog</name>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>year (on the first date&apos;s day)</source>
        <translation>Jahr (am Tag des ersten Termins)</translation>
    </message>
    <message>
        <source>the last day</source>
        <translation>der letzte Tag</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>nach einer Anzahl von Malen</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>an einem Datum</translation>
    </message>
    <message>
        <source>stays on the weekend</source>
        <translation>bleibt am Wochenende</translation>
    </message>
    <message>
        <source>moves to the Friday before</source>
        <translation>rückt auf den Freitag davor</translation>
    </message>
    <message>
        <source>moves to the Monday after</source>
        <translation>rückt auf den Montag danach</translation>
    </message>
    <message>
        <source>by itself</source>
        <translation>von selbst</translation>
    </message>
    <message>
        <source>asks first</source>
        <translation>fragt vorher</translation>
    </message>
    <message>
        <source>Save the recurring transaction</source>
        <translation>Die wiederkehrende Buchung speichern</translation>
    </message>
    <message>
        <source>Keeps the recurring transaction, in one step that Undo takes back</source>
        <translation>Behält die wiederkehrende Buchung, in einem Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Cancel the editor</source>
        <translation>Den Editor abbrechen</translation>
    </message>
    <message>
        <source>Closes the editor and changes nothing</source>
        <translation>Schließt den Editor und ändert nichts</translation>
    </message>
    <message>
        <source>The rule cannot be read. Choose how often it repeats.</source>
        <translation>Die Regel lässt sich nicht lesen. Wählen Sie, wie oft sie sich wiederholt.</translation>
    </message>
</context>
<context>
    <name>RecurringEdits</name>
    <message>
        <source>Choose the category the transaction goes into.</source>
        <translation>Wählen Sie die Kategorie, in die die Buchung kommt.</translation>
    </message>
    <message>
        <source>Choose the first date.</source>
        <translation>Wählen Sie den ersten Termin.</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung ändern</translation>
    </message>
    <message>
        <source>Delete Recurring Transaction</source>
        <translation>Wiederkehrende Buchung löschen</translation>
    </message>
    <message>
        <source>The recurring transaction cannot be read.</source>
        <translation>Die wiederkehrende Buchung lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>The day must lie in the budget&apos;s year, %1.</source>
        <translation>Der Tag muss im Jahr des Budgets liegen, %1.</translation>
    </message>
    <message>
        <source>An earlier occurrence of &quot;%1&quot; is still due.</source>
        <translation>Ein früherer Termin von „%1“ ist noch fällig.</translation>
    </message>
    <message>
        <source>Enter 1 Recurring Transaction</source>
        <translation>1 wiederkehrende Buchung eintragen</translation>
    </message>
    <message>
        <source>Enter %1 Recurring Transactions</source>
        <translation>%1 wiederkehrende Buchungen eintragen</translation>
    </message>
    <message>
        <source>Skip 1 Recurring Transaction</source>
        <translation>1 wiederkehrende Buchung überspringen</translation>
    </message>
    <message>
        <source>Skip %1 Recurring Transactions</source>
        <translation>%1 wiederkehrende Buchungen überspringen</translation>
    </message>
    <message>
        <source>The category of a recurring transaction is not in this budget.</source>
        <translation>Die Kategorie einer wiederkehrenden Buchung ist nicht in diesem Budget.</translation>
    </message>
</context>
<context>
    <name>RecurringList</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>List of recurring transactions</source>
        <translation>Liste der wiederkehrenden Buchungen</translation>
    </message>
    <message>
        <source>Each recurring transaction with its rule, its next date and how it enters; double-click to edit</source>
        <translation>Jede wiederkehrende Buchung mit ihrer Regel, ihrem nächsten Termin und wie sie eingetragen wird; Doppelklick zum Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>Add a recurring transaction</source>
        <translation>Eine wiederkehrende Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Opens the editor for a new recurring transaction</source>
        <translation>Öffnet den Editor für eine neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>Edit the recurring transaction</source>
        <translation>Die wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Opens the selected recurring transaction in the editor</source>
        <translation>Öffnet die ausgewählte wiederkehrende Buchung im Editor</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the recurring transaction</source>
        <translation>Die wiederkehrende Buchung löschen</translation>
    </message>
    <message>
        <source>Deletes the selected recurring transaction; its entered records stay</source>
        <translation>Löscht die ausgewählte wiederkehrende Buchung; ihre eingetragenen Buchungen bleiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Die Liste schließen</translation>
    </message>
    <message>
        <source>Closes the list of recurring transactions</source>
        <translation>Schließt die Liste der wiederkehrenden Buchungen</translation>
    </message>
</context>
<context>
    <name>RecurringListModel</name>
    <message>
        <source>Broken: %1</source>
        <translation>Defekt: %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>after %1 times</source>
        <translation>nach %1 Malen</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>asks first</source>
        <translation>fragt vorher</translation>
    </message>
    <message>
        <source>by itself</source>
        <translation>von selbst</translation>
    </message>
    <message>
        <source>This record cannot be read and enters nothing: %1</source>
        <translation>Dieser Eintrag lässt sich nicht lesen und trägt nichts ein: %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederholt sich</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>Enters</source>
        <translation>Eintragen</translation>
    </message>
</context>
<context>
    <name>RecurringListWindow</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung ändern</translation>
    </message>
</context>
<context>
    <name>RecurringMarks</name>
    <message>
        <source>recurring: %1, %2</source>
        <translation>wiederkehrend: %1, %2</translation>
    </message>
</context>
<context>
    <name>RecurringMatch</name>
    <message>
        <source>d MMMM</source>
        <comment>day and month of an occurrence</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>matches %1 (entered %2)</source>
        <translation>entspricht %1 (eingetragen am %2)</translation>
    </message>
    <message>
        <source>enters %1 of %2</source>
        <translation>trägt %1 vom %2 ein</translation>
    </message>
    <message>
        <source>books the bank&apos;s %1 for %2 of %3 (was %4)</source>
        <translation>bucht %1 der Bank für %2 vom %3 (war %4)</translation>
    </message>
    <message>
        <source>matches %1 (entered %2 as %3): tick to book the bank&apos;s %4</source>
        <translation>entspricht %1 (eingetragen am %2 mit %3): anhaken, um %4 der Bank zu buchen</translation>
    </message>
</context>
<context>
    <name>RecurringRecords</name>
    <message>
        <source>the line holds a backslash that starts no escape</source>
        <translation>die Zeile enthält einen Backslash, der keine Maskierung beginnt</translation>
    </message>
    <message>
        <source>the record has %1 fields instead of %2</source>
        <translation>der Eintrag hat %1 Felder statt %2</translation>
    </message>
    <message>
        <source>the first date &quot;%1&quot; is not a date</source>
        <translation>der erste Termin „%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>the weekend shift &quot;%1&quot; is not none, before or after</source>
        <translation>die Wochenend-Verschiebung „%1“ ist nicht none, before oder after</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is not auto or ask</source>
        <translation>die Eintragung „%1“ ist nicht auto oder ask</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is not in this budget</source>
        <translation>die Kategorie „%1“ ist nicht in diesem Budget</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is not an amount</source>
        <translation>der Betrag „%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>the last date &quot;%1&quot; is not a date</source>
        <translation>der letzte Termin „%1“ ist kein Datum</translation>
    </message>
</context>
<context>
    <name>RestoreBackup</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups of this file, newest first:</source>
        <translation>&amp;Sicherungen dieser Datei, neueste zuerst:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Preview of the chosen backup:</source>
        <translation>&amp;Vorschau der gewählten Sicherung:</translation>
    </message>
    <message>
        <source>Backup preview</source>
        <translation>Vorschau der Sicherung</translation>
    </message>
    <message>
        <source>Restore or cancel</source>
        <translation>Wiederherstellen oder abbrechen</translation>
    </message>
    <message>
        <source>The backups of this file, newest first: choose one to see it below</source>
        <translation>Die Sicherungen dieser Datei, neueste zuerst: Wählen Sie eine, um sie unten zu sehen</translation>
    </message>
    <message>
        <source>The chosen backup&apos;s budget, as it would come back</source>
        <translation>Das Budget der gewählten Sicherung, wie es zurückkäme</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Die gewählte Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (ungesicherte Änderungen)</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Make the budget the chosen backup, in one step that Undo takes back</source>
        <translation>Das Budget zur gewählten Sicherung machen, in einem Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Close and keep the budget as it is (Esc)</source>
        <translation>Schließen und das Budget lassen, wie es ist (Esc)</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Every command with a shortcut and its keys</source>
        <translation>Jeder Befehl mit Tastenkürzel und seine Tasten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Close the shortcuts</source>
        <translation>Tastenkürzel schließen</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Dieses Fenster schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>SplitCommands</name>
    <message>
        <source>&amp;Split…</source>
        <translation>&amp;Aufteilen…</translation>
    </message>
    <message>
        <source>Split the register&apos;s selected transaction over several categories</source>
        <translation>Die im Kassenbuch gewählte Buchung auf mehrere Kategorien aufteilen</translation>
    </message>
    <message>
        <source>Select a transaction in the register first.</source>
        <translation>Wählen Sie zuerst eine Buchung im Kassenbuch.</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Change Split</source>
        <translation>Aufteilung ändern</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Day of the transaction</source>
        <translation>Tag der Buchung</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Description of the transaction</source>
        <translation>Beschreibung der Buchung</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Total of the transaction</source>
        <translation>Gesamtbetrag der Buchung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>Teil hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add a part</source>
        <translation>Einen Teil hinzufügen</translation>
    </message>
    <message>
        <source>Adds a line for one more category</source>
        <translation>Fügt eine Zeile für eine weitere Kategorie hinzu</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>Teil &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove the last part</source>
        <translation>Den letzten Teil entfernen</translation>
    </message>
    <message>
        <source>Removes the last line; a split keeps two parts at least</source>
        <translation>Entfernt die letzte Zeile; eine Aufteilung behält mindestens zwei Teile</translation>
    </message>
    <message>
        <source>Distribute &amp;Evenly</source>
        <translation>&amp;Gleichmäßig verteilen</translation>
    </message>
    <message>
        <source>Distribute evenly</source>
        <translation>Gleichmäßig verteilen</translation>
    </message>
    <message>
        <source>Gives each part the same share of the total; cents left over go to the first parts</source>
        <translation>Gibt jedem Teil den gleichen Anteil am Gesamtbetrag; übrige Cent gehen an die ersten Teile</translation>
    </message>
    <message>
        <source>Left to assign</source>
        <translation>Noch zuzuordnen</translation>
    </message>
    <message>
        <source>What of the total no part has yet</source>
        <translation>Was vom Gesamtbetrag noch keinem Teil gehört</translation>
    </message>
    <message>
        <source>Save the split</source>
        <translation>Die Aufteilung sichern</translation>
    </message>
    <message>
        <source>Keeps the parts, in one step that Undo takes back</source>
        <translation>Behält die Teile, in einem Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Cancel the split editor</source>
        <translation>Den Aufteilungs-Editor abbrechen</translation>
    </message>
    <message>
        <source>Closes the editor and changes nothing</source>
        <translation>Schließt den Editor und ändert nichts</translation>
    </message>
    <message>
        <source>&amp;Unsplit</source>
        <translation>Aufteilung auf&amp;heben</translation>
    </message>
    <message>
        <source>Unsplit the transaction</source>
        <translation>Die Aufteilung aufheben</translation>
    </message>
    <message>
        <source>Puts the parts back into one transaction in the first part&apos;s category</source>
        <translation>Fügt die Teile wieder zu einer Buchung in der Kategorie des ersten Teils zusammen</translation>
    </message>
    <message>
        <source>Category of part %1</source>
        <translation>Kategorie von Teil %1</translation>
    </message>
    <message>
        <source>The category this part is booked in; type a name or choose one</source>
        <translation>Die Kategorie, in der dieser Teil gebucht wird; einen Namen tippen oder einen wählen</translation>
    </message>
    <message>
        <source>Amount of part %1</source>
        <translation>Betrag von Teil %1</translation>
    </message>
    <message>
        <source>What of the total goes into this part&apos;s category</source>
        <translation>Was vom Gesamtbetrag in die Kategorie dieses Teils geht</translation>
    </message>
    <message>
        <source>Note of part %1</source>
        <translation>Notiz von Teil %1</translation>
    </message>
    <message>
        <source>The part&apos;s own note; a #word in it is a tag</source>
        <translation>Die eigene Notiz des Teils; ein #Wort darin ist ein Schlagwort</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Noch zuzuordnen: %1</translation>
    </message>
    <message>
        <source>Left to assign: an amount cannot be read</source>
        <translation>Noch zuzuordnen: ein Betrag ist nicht lesbar</translation>
    </message>
    <message>
        <source>Categories for part %1</source>
        <translation>Kategorien für Teil %1</translation>
    </message>
    <message>
        <source>The budget&apos;s categories</source>
        <translation>Die Kategorien des Budgets</translation>
    </message>
</context>
<context>
    <name>SplitEdits</name>
    <message>
        <source>A split needs two parts or more.</source>
        <translation>Eine Aufteilung braucht zwei Teile oder mehr.</translation>
    </message>
    <message>
        <source>Choose a category for each part.</source>
        <translation>Wählen Sie für jeden Teil eine Kategorie.</translation>
    </message>
    <message>
        <source>The parts add up to %1, but the total is %2.</source>
        <translation>Die Teile ergeben %1, der Gesamtbetrag ist aber %2.</translation>
    </message>
    <message>
        <source>Change Split</source>
        <translation>Aufteilung ändern</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Unsplit Transaction</source>
        <translation>Aufteilung aufheben</translation>
    </message>
</context>
<context>
    <name>StatementSource</name>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file is %1, larger than any bank statement (at most %2).</source>
        <translation>Die Datei ist %1 groß, größer als jeder Kontoauszug (höchstens %2).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>This is not a bank statement: the file does not hold text.</source>
        <translation>Dies ist kein Kontoauszug: Die Datei enthält keinen Text.</translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation>Der Kontoauszug enthält keine Buchungen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>„%1“ kann nicht importiert werden. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: reading stopped at line %2. %3</source>
        <translation>„%1“ kann nicht importiert werden: Das Lesen brach in Zeile %2 ab. %3</translation>
    </message>
</context>
<context>
    <name>TagTotalsModel</name>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>TagsCommands</name>
    <message>
        <source>&amp;Tags</source>
        <translation>&amp;Schlagwörter</translation>
    </message>
    <message>
        <source>Show what was booked per tag of the notes and month</source>
        <translation>Zeigen, was je Schlagwort der Notizen und Monat gebucht wurde</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Export Tags as CSV</source>
        <translation>Schlagwörter als CSV exportieren</translation>
    </message>
    <message>
        <source>The export could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Der Export konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Export Tags as PDF</source>
        <translation>Schlagwörter als PDF exportieren</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Booked per tag and month</source>
        <translation>Gebucht je Schlagwort und Monat</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Die PDF-Datei konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>TagsWindow</name>
    <message>
        <source>Tags — Orrinwick</source>
        <translation>Schlagwörter — Orrinwick</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Why no tag is listed</source>
        <translation>Warum kein Schlagwort aufgeführt ist</translation>
    </message>
    <message>
        <source>No note of this year has a tag yet. Write one into a record&apos;s note in the register, such as #holiday, to see here what was booked under it.</source>
        <translation>Noch keine Notiz dieses Jahres hat ein Schlagwort. Schreiben Sie eines in die Notiz einer Buchung im Kassenbuch, etwa #urlaub, um hier zu sehen, was darunter gebucht wurde.</translation>
    </message>
    <message>
        <source>Booked per tag and month</source>
        <translation>Gebucht je Schlagwort und Monat</translation>
    </message>
    <message>
        <source>What was booked under each tag of the year&apos;s notes, per month and for the year; select a tag to chart it</source>
        <translation>Was unter jedem Schlagwort der Notizen des Jahres gebucht wurde, je Monat und für das Jahr; ein Schlagwort auswählen, um es im Diagramm zu zeigen</translation>
    </message>
    <message>
        <source>Chart of the selected tag by month</source>
        <translation>Diagramm des ausgewählten Schlagworts nach Monaten</translation>
    </message>
    <message>
        <source>What was booked each month under the tag selected in the table</source>
        <translation>Was in jedem Monat unter dem in der Tabelle ausgewählten Schlagwort gebucht wurde</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export the tags as CSV</source>
        <translation>Die Schlagwörter als CSV exportieren</translation>
    </message>
    <message>
        <source>Writes the table as CSV with the exact amounts, for a spreadsheet</source>
        <translation>Schreibt die Tabelle mit den genauen Beträgen als CSV, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Export the tags as PDF</source>
        <translation>Die Schlagwörter als PDF exportieren</translation>
    </message>
    <message>
        <source>Writes the table as a PDF to print or send</source>
        <translation>Schreibt die Tabelle als PDF, zum Drucken oder Versenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the tags</source>
        <translation>Die Schlagwörter schließen</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>No tag selected</source>
        <translation>Kein Schlagwort ausgewählt</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>%1 by month</source>
        <translation>%1 nach Monaten</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>&quot;%1&quot; is not an amount. Type a number such as 12.50 or -3.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie eine Zahl wie 12,50 oder -3 ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a day. Type a day of the month from 1 to 31.</source>
        <translation>„%1“ ist kein Tag. Geben Sie einen Tag des Monats von 1 bis 31 ein.</translation>
    </message>
    <message>
        <source>A note cannot contain a line break.</source>
        <translation>Eine Notiz kann keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A category name cannot contain a line break.</source>
        <translation>Ein Kategoriename kann keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A category name cannot begin with &quot;;&quot;.</source>
        <translation>Ein Kategoriename kann nicht mit „;“ beginnen.</translation>
    </message>
    <message>
        <source>A description cannot contain a line break.</source>
        <translation>Eine Beschreibung kann keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A description cannot begin with &quot;;&quot;.</source>
        <translation>Eine Beschreibung kann nicht mit „;“ beginnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3. Type it without a thousands separator, as %2 or %3.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten. Geben Sie es ohne Tausendertrennzeichen ein, als %2 oder %3.</translation>
    </message>
</context>
<context>
    <name>UnattendedSave</name>
    <message>
        <source>%1 was not written: the file it would replace could not be kept with the backups (%2).</source>
        <translation>%1 wurde nicht geschrieben: Die Datei, die es ersetzen würde, ließ sich nicht bei den Sicherungen aufbewahren (%2).</translation>
    </message>
    <message>
        <source>Data File %1 could not be opened for write!</source>
        <translation>Datendatei %1 konnte nicht zum Schreiben geöffnet werden!</translation>
    </message>
    <message>
        <source>%1 is open in Orrinwick on %2 (process %3), which would save over it. Nothing was written: quit that Orrinwick first.</source>
        <translation>%1 ist in Orrinwick auf %2 offen (Prozess %3), das darüber speichern würde. Nichts wurde geschrieben: Beenden Sie zuerst jenes Orrinwick.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Welcome to Orrinwick.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Willkommen bei Orrinwick.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Your budget has no categories yet. Start with the common ones of a household and type what each may cost a month, open a budget you already keep, or let a statement from your bank bring in what you spent. F1 opens the handbook.</source>
        <translation>Ihr Budget hat noch keine Kategorien. Beginnen Sie mit den üblichen eines Haushalts und geben Sie ein, was jede im Monat kosten darf, öffnen Sie ein Budget, das Sie schon führen, oder holen Sie mit einem Auszug Ihrer Bank herein, was Sie ausgegeben haben. F1 öffnet das Handbuch.</translation>
    </message>
    <message>
        <source>Start with &amp;Common Categories…</source>
        <translation>Mit &amp;üblichen Kategorien beginnen…</translation>
    </message>
    <message>
        <source>Pick common household categories and their monthly amounts</source>
        <translation>Übliche Haushaltskategorien und ihre Monatsbeträge wählen</translation>
    </message>
    <message>
        <source>&amp;Open a Budget…</source>
        <translation>Budget ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a budget file you already keep (%1)</source>
        <translation>Eine Budgetdatei öffnen, die Sie schon führen (%1)</translation>
    </message>
    <message>
        <source>&amp;Import a Bank Statement…</source>
        <translation>Kontoauszug &amp;importieren…</translation>
    </message>
    <message>
        <source>Read an OFX, QFX, QIF or CSV statement from your bank (%1)</source>
        <translation>Einen OFX-, QFX-, QIF- oder CSV-Auszug Ihrer Bank lesen (%1)</translation>
    </message>
</context>
<context>
    <name>YearCommands</name>
    <message>
        <source>New &amp;Year from This Budget…</source>
        <translation>Neues &amp;Jahr aus diesem Budget…</translation>
    </message>
    <message>
        <source>&amp;Find Transactions…</source>
        <translation>Buchungen &amp;suchen…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Dru&amp;cken…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>New Year from This Budget</source>
        <translation>Neues Jahr aus diesem Budget</translation>
    </message>
    <message>
        <source>This is the budget you have open. Choose another file for next year&apos;s budget.</source>
        <translation>Dies ist das geöffnete Budget. Wählen Sie eine andere Datei für das Budget des nächsten Jahres.</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>%1 Register</source>
        <translation>Kassenbuch %1</translation>
    </message>
    <message>
        <source>Budget Grid</source>
        <translation>Budgettabelle</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export %1 as PDF</source>
        <translation>%1 als PDF exportieren</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;. Nothing was saved there.</source>
        <translation>Die PDF-Datei konnte nicht nach „%1“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Start next year&apos;s budget file with this one&apos;s categories and budgets</source>
        <translation>Die Budgetdatei des nächsten Jahres mit den Kategorien und Budgets dieser beginnen</translation>
    </message>
    <message>
        <source>Find transactions of the whole year by their text or amount</source>
        <translation>Buchungen des ganzen Jahres nach Text oder Betrag suchen</translation>
    </message>
    <message>
        <source>Print the budget grid, or the month the register shows, after a preview</source>
        <translation>Die Budgettabelle oder den Monat, den das Kassenbuch zeigt, nach einer Vorschau drucken</translation>
    </message>
    <message>
        <source>Write the budget grid, or the month the register shows, to a PDF file</source>
        <translation>Die Budgettabelle oder den Monat, den das Kassenbuch zeigt, in eine PDF-Datei schreiben</translation>
    </message>
</context>
<context>
    <name>YearComparisonModel</name>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>last year: %1</source>
        <translation>letztes Jahr: %1</translation>
    </message>
    <message>
        <source>only last year</source>
        <translation>nur letztes Jahr</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>To %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the year to date&apos;s last day</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>YearComparisonWindow</name>
    <message>
        <source>&amp;Last Year&apos;s Budget…</source>
        <translation>&amp;Budget des Vorjahres…</translation>
    </message>
    <message>
        <source>Compare with Last Year — Orrinwick</source>
        <translation>Mit dem Vorjahr vergleichen — Orrinwick</translation>
    </message>
    <message>
        <source>Compare with last year</source>
        <translation>Mit dem Vorjahr vergleichen</translation>
    </message>
    <message>
        <source>Why last year&apos;s figures are missing</source>
        <translation>Warum die Zahlen des Vorjahres fehlen</translation>
    </message>
    <message>
        <source>Choose last year&apos;s budget</source>
        <translation>Das Budget des Vorjahres wählen</translation>
    </message>
    <message>
        <source>Choose the budget file of the year before, to compare with</source>
        <translation>Wählt die Budgetdatei des Vorjahres, um damit zu vergleichen</translation>
    </message>
    <message>
        <source>This year against last, per category and month</source>
        <translation>Dieses Jahr gegen das letzte, je Kategorie und Monat</translation>
    </message>
    <message>
        <source>What was booked per category and month this year and last, the difference and the change in percent; select a category to chart it</source>
        <translation>Was je Kategorie und Monat dieses und letztes Jahr gebucht wurde, die Differenz und die Änderung in Prozent; wählen Sie eine Kategorie für das Diagramm</translation>
    </message>
    <message>
        <source>C&amp;hart of:</source>
        <translation>&amp;Diagramm für:</translation>
    </message>
    <message>
        <source>Category to chart</source>
        <translation>Kategorie für das Diagramm</translation>
    </message>
    <message>
        <source>The category whose months the chart shows, or all categories together</source>
        <translation>Die Kategorie, deren Monate das Diagramm zeigt, oder alle Kategorien zusammen</translation>
    </message>
    <message>
        <source>Chart of this year and last year by month</source>
        <translation>Diagramm dieses und letzten Jahres nach Monaten</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>&amp;Match by Hand…</source>
        <translation>Von &amp;Hand zuordnen…</translation>
    </message>
    <message>
        <source>Match a category by hand</source>
        <translation>Eine Kategorie von Hand zuordnen</translation>
    </message>
    <message>
        <source>Choose which of last year&apos;s categories the selected one was called, when it was renamed</source>
        <translation>Wählt, wie die ausgewählte Kategorie letztes Jahr hieß, wenn sie umbenannt wurde</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export the comparison as CSV</source>
        <translation>Den Vergleich als CSV exportieren</translation>
    </message>
    <message>
        <source>Writes the table as CSV with the exact amounts, for a spreadsheet</source>
        <translation>Schreibt die Tabelle mit den genauen Beträgen als CSV, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Export the comparison as PDF</source>
        <translation>Den Vergleich als PDF exportieren</translation>
    </message>
    <message>
        <source>Writes the table as a PDF to print or send</source>
        <translation>Schreibt die Tabelle als PDF, zum Drucken oder Versenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation>Den Vergleich schließen</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>All categories by month</source>
        <translation>Alle Kategorien nach Monaten</translation>
    </message>
    <message>
        <source>%1 by month</source>
        <translation>%1 nach Monaten</translation>
    </message>
    <message>
        <source>What was booked each month this year and last, for the category chosen</source>
        <translation>Was in diesem und im letzten Jahr jeden Monat gebucht wurde, für die gewählte Kategorie</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orrinwick is already running but does not answer. Try again in a moment.</source>
        <translation>Orrinwick läuft schon, antwortet aber nicht. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>voAboutWinCtrl</name>
    <message>
        <source>Orrinwick %1</source>
        <translation>Orrinwick %1</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
</context>
<context>
    <name>voCategoryEditWinCtrl</name>
    <message>
        <source>No Entry Selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>Please select item to delete.</source>
        <translation>Bitte wählen Sie den zu löschenden Eintrag aus.</translation>
    </message>
    <message>
        <source>Removing Category &apos;%1&apos; will permanently remove all associated data!</source>
        <translation>Das Entfernen der Kategorie „%1“ löscht alle zugehörigen Daten endgültig!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
</context>
<context>
    <name>voCategoryEditWinData</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>voCheckViewCtrl</name>
    <message>
        <source>After the 1 still due: %1</source>
        <translation>Nach der 1 noch fälligen: %1</translation>
    </message>
    <message>
        <source>After the %1 still due: %2</source>
        <translation>Nach den %1 noch fälligen: %2</translation>
    </message>
    <message>
        <source>Delete Part of a Split</source>
        <translation>Teil einer Aufteilung löschen</translation>
    </message>
    <message>
        <source>The selected transaction is a part of a split. Delete the whole split, or only this part?</source>
        <translation>Die gewählte Buchung ist Teil einer Aufteilung. Die ganze Aufteilung löschen oder nur diesen Teil?</translation>
    </message>
    <message>
        <source>The selected transactions are parts of splits. Delete the whole splits, or only these parts?</source>
        <translation>Die gewählten Buchungen sind Teile von Aufteilungen. Die ganzen Aufteilungen löschen oder nur diese Teile?</translation>
    </message>
    <message>
        <source>Delete Whole Split</source>
        <translation>Ganze Aufteilung löschen</translation>
    </message>
    <message>
        <source>Delete This Part</source>
        <translation>Diesen Teil löschen</translation>
    </message>
    <message>
        <source>Delete These Parts</source>
        <translation>Diese Teile löschen</translation>
    </message>
    <message>
        <source>No Entry Selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>No Categories Defined</source>
        <translation>Keine Kategorien angelegt</translation>
    </message>
    <message>
        <source>Please select item(s) to delete.</source>
        <translation>Bitte wählen Sie die zu löschenden Einträge aus.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items?</source>
        <translation>Sollen die ausgewählten Einträge wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Please select item(s) to carry-over.</source>
        <translation>Bitte wählen Sie die zu übertragenden Einträge aus.</translation>
    </message>
    <message>
        <source>Confirm Carry-Over</source>
        <translation>Übertrag bestätigen</translation>
    </message>
    <message>
        <source>Insert data into %1 ?</source>
        <translation>Daten in %1 einfügen?</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>voCheckViewData</name>
    <message>
        <source>R</source>
        <translation>A</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>voCheckViewDelegate</name>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Choose category</source>
        <translation>Kategorie wählen</translation>
    </message>
</context>
<context>
    <name>voEnvelopeWinController</name>
    <message>
        <source>Envelopes for %1</source>
        <translation>Umschläge für %1</translation>
    </message>
</context>
<context>
    <name>voEnvelopeWinData</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>What Is Left</source>
        <translation>Das Übrige</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>What the envelope hands on to the next month</source>
        <translation>Was der Umschlag an den nächsten Monat weitergibt</translation>
    </message>
    <message>
        <source>What the envelope took over from the month before; in January the opening amount, unless last year&apos;s budget gives it</source>
        <translation>Was der Umschlag aus dem Vormonat übernommen hat; im Januar der Anfangsbetrag, wenn das Budget des Vorjahres ihn nicht liefert</translation>
    </message>
    <message>
        <source>Carried In</source>
        <translation>Übernommen</translation>
    </message>
    <message>
        <source>Carries</source>
        <translation>Überträgt</translation>
    </message>
</context>
<context>
    <name>voProgressWinController</name>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
</context>
</TS>
