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
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
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
</context>
<context>
    <name>BudgetFileReader</name>
    <message>
        <source>Source File %@ not found!
</source>
        <translation>Quelldatei %@ nicht gefunden!
</translation>
    </message>
    <message>
        <source>File %@ is not a budget file and was not opened.
</source>
        <translation>Die Datei %@ ist keine Budgetdatei und wurde nicht geöffnet.
</translation>
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
</context>
<context>
    <name>CommandLineModes</name>
    <message>
        <source>Usage: orrinwick [FILE]
       orrinwick --report FILE [--envelope] [--display] [--no-sort]
       orrinwick --convert IN OUT [--no-sort]
       orrinwick --quit-when-shown [FILE]

Keeps a household budget by month. Without options it opens the main
window, on FILE when one is given.

  --report FILE   print the budget grid of FILE, one line per row, the
                  cells separated by tabs
    --envelope    compute in envelope mode
    --display     print the cells as the grid shows them
    --no-sort     keep each month&apos;s items in file order
  --convert IN OUT  write the budget file IN to OUT in the current layout
  --quit-when-shown  quit as a user would once start-up has finished
  --help          show this help and exit
  --version       show the version and exit
</source>
        <translation>Aufruf: orrinwick [DATEI]
        orrinwick --report DATEI [--envelope] [--display] [--no-sort]
        orrinwick --convert EIN AUS [--no-sort]
        orrinwick --quit-when-shown [DATEI]

Führt ein Haushaltsbudget nach Monaten. Ohne Optionen öffnet es das
Hauptfenster, auf DATEI, wenn eine angegeben ist.

  --report DATEI  gibt die Budgettabelle von DATEI aus, eine Zeile je
                  Reihe, die Zellen durch Tabulatoren getrennt
    --envelope    rechnet im Umschlagmodus
    --display     gibt die Zellen so aus, wie die Tabelle sie zeigt
    --no-sort     lässt die Buchungen jedes Monats in der Reihenfolge der Datei
  --convert EIN AUS  schreibt die Budgetdatei EIN im aktuellen Aufbau nach AUS
  --quit-when-shown  beendet sich wie ein Benutzer, sobald der Start fertig ist
  --help          zeigt diese Hilfe und endet
  --version       zeigt die Version und endet
</translation>
    </message>
    <message>
        <source>Data File %@ could not be opened for write!
</source>
        <translation>Die Datendatei %@ konnte nicht zum Schreiben geöffnet werden!
</translation>
    </message>
    <message>
        <source>Try &apos;orrinwick --help&apos; for more information.
</source>
        <translation>»orrinwick --help« zeigt mehr Informationen.
</translation>
    </message>
    <message>
        <source>--report needs a FILE</source>
        <translation>--report braucht eine DATEI</translation>
    </message>
    <message>
        <source>--convert needs IN and OUT</source>
        <translation>--convert braucht EIN und AUS</translation>
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
        <source>The export could not be written to &quot;%@&quot;. Nothing was saved there.</source>
        <translation>Der Export konnte nicht nach „%@“ geschrieben werden. Dort wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DocumentSync</name>
    <message>
        <source>Data File %@ could not be opened for write!
</source>
        <translation>Die Datendatei %@ konnte nicht zum Schreiben geöffnet werden!
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
        <source>SVN update left %@ in conflict!
File Not Loaded.</source>
        <translation>Die SVN-Aktualisierung hat %@ im Konflikt hinterlassen!
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
        <source>SVN commit failed: the Subversion client %@ could not be started!
</source>
        <translation>SVN-Commit fehlgeschlagen: Der Subversion-Client %@ konnte nicht gestartet werden!
</translation>
    </message>
    <message>
        <source>SVN commit returned status %d!
</source>
        <translation>SVN-Commit endete mit Status %d!
</translation>
    </message>
    <message>
        <source>SVN update failed: the Subversion client %@ could not be started!
</source>
        <translation>SVN-Aktualisierung fehlgeschlagen: Der Subversion-Client %@ konnte nicht gestartet werden!
</translation>
    </message>
    <message>
        <source>SVN update returned status %d!
</source>
        <translation>SVN-Aktualisierung endete mit Status %d!
</translation>
    </message>
    <message>
        <source>Tunnel helper %@ not found!
Continuing without it.</source>
        <translation>Tunnelhelfer %@ nicht gefunden!
Es geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>Tunnel helper %@ could not be started!
Continuing without it.</source>
        <translation>Tunnelhelfer %@ konnte nicht gestartet werden!
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
    <name>MyDataSource</name>
    <message>
        <source>There is already a category named &quot;%@&quot;. Choose another name.</source>
        <translation>Es gibt schon eine Kategorie namens „%@“. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>Edit Budget</source>
        <translation>Budget ändern</translation>
    </message>
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
        <source>Move Category</source>
        <translation>Kategorie verschieben</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
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
        <source>Are you sure you want to delete category %@</source>
        <translation>Soll die Kategorie %@ wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
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
        <source>Orrinwick %@</source>
        <translation>Orrinwick %@</translation>
    </message>
    <message>
        <source>Email: %@</source>
        <translation>E-Mail: %@</translation>
    </message>
</context>
<context>
    <name>voCategoryEditWinData</name>
    <message>
        <source>A category named &quot;%1&quot; already exists. Choose another name.</source>
        <translation>Eine Kategorie namens „%1“ gibt es schon. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>No Entry Selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>Please select item to delete.</source>
        <translation>Bitte wählen Sie den zu löschenden Eintrag aus.</translation>
    </message>
    <message>
        <source>Removing Category &apos;%@&apos; will permanently remove all associated data!</source>
        <translation>Das Entfernen der Kategorie „%@“ löscht alle zugehörigen Daten endgültig!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>voCheckViewData</name>
    <message>
        <source>No Entry Selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>No Categories Defined</source>
        <translation>Keine Kategorien angelegt</translation>
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
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete Transactions</source>
        <translation>Buchungen löschen</translation>
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
        <source>Insert data into %@ ?</source>
        <translation>Daten in %@ einfügen?</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Carry Over</source>
        <translation>Übertragen</translation>
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
        <source>&quot;%1&quot; is not a category of this budget. Choose one of its categories.</source>
        <translation>„%1“ ist keine Kategorie dieses Budgets. Wählen Sie eine seiner Kategorien.</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 ändern</translation>
    </message>
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
        <source>R</source>
        <translation>A</translation>
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
        <source>Edit Envelope</source>
        <translation>Umschlag ändern</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
</context>
</TS>
