<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Central</name>
    <message>
      <source>the central column %1 is not of the type the journal's records are kept in</source>
      <translation>la colonne centrale %1 n'est pas du type dans lequel les enregistrements du journal sont conservés</translation>
    </message>
    <message>
      <source>the central column %1 holds a value of another size</source>
      <translation>la colonne centrale %1 contient une valeur d'une autre taille</translation>
    </message>
    <message>
      <source>cannot read the central records</source>
      <translation>impossible de lire les enregistrements centraux</translation>
    </message>
    <message>
      <source>a damaged one (%1)</source>
      <translation>une clé endommagée (%1)</translation>
    </message>
    <message>
      <source>%1 of station %2</source>
      <translation>%1 de la station %2</translation>
    </message>
    <message>
      <source>the verification key %1 (journal %2) is not registered for station %3: a person who compared it registers it with weighstation-records central-register --station %3 --fingerprint %4</source>
      <translation>la clé de vérification %1 (journal %2) n'est pas enregistrée pour la station %3 : une personne qui l'a comparée l'enregistre avec weighstation-records central-register --station %3 --fingerprint %4</translation>
    </message>
    <message>
      <source>seq %1: not in the central copy (refused by it, or removed there)</source>
      <translation>n° %1 : absent de la copie centrale (refusé par elle, ou retiré là-bas)</translation>
    </message>
    <message>
      <source>the journal %1 holds no record of station %2 (its records are of: %3)</source>
      <translation>le journal %1 ne contient aucun enregistrement de la station %2 (ses enregistrements sont de : %3)</translation>
    </message>
    <message>
      <source>seq %1: in the central copy, not in the journal</source>
      <translation>n° %1 : dans la copie centrale, pas dans le journal</translation>
    </message>
    <message>
      <source>seq %1: differs from the central copy</source>
      <translation>n° %1 : diffère de la copie centrale</translation>
    </message>
    <message>
      <source>cannot read the central copy</source>
      <translation>impossible de lire la copie centrale</translation>
    </message>
    <message>
      <source>the journal ends at seq %1, its central copy at seq %2 (records removed, or an older journal and head put back)</source>
      <translation>le journal finit au n° %1, sa copie centrale au n° %2 (enregistrements retirés, ou journal et témoin plus anciens remis)</translation>
    </message>
    <message>
      <source>'%1' is not a postgresql:// connection URI</source>
      <translation>'%1' n'est pas une URI de connexion postgresql://</translation>
    </message>
    <message>
      <source>'%1' in the URI %2 cannot be passed to the server's connection (a name of letters and '_', a value without ';')</source>
      <translation>'%1' dans l'URI %2 ne peut pas être transmis à la connexion au serveur (un nom de lettres et de '_', une valeur sans ';')</translation>
    </message>
    <message>
      <source>(not a URI)</source>
      <translation>(pas une URI)</translation>
    </message>
    <message>
      <source>no PostgreSQL driver (QPSQL) is installed</source>
      <translation>aucun pilote PostgreSQL (QPSQL) n'est installé</translation>
    </message>
    <message>
      <source>cannot %1</source>
      <translation>échec : %1</translation>
    </message>
    <message>
      <source>cannot read the central tables</source>
      <translation>impossible de lire les tables centrales</translation>
    </message>
    <message>
      <source>the central database has no weigh_records table: its owner creates the tables with weighstation-records central-sql (a station never does)</source>
      <translation>la base centrale n'a pas de table weigh_records : son propriétaire crée les tables avec weighstation-records central-sql (jamais une station)</translation>
    </message>
    <message>
      <source>the central table weigh_records has no weigh_schema_version beside it</source>
      <translation>la table centrale weigh_records n'a pas de weigh_schema_version à côté</translation>
    </message>
    <message>
      <source>the central tables have a newer version (%1) than this program's (%2)</source>
      <translation>les tables centrales ont une version plus récente (%1) que ce programme (%2)</translation>
    </message>
    <message>
      <source>upgrade the central tables from version %1 (their owner can run weighstation-records central-sql --upgrade)</source>
      <translation>mettre à niveau les tables centrales depuis la version %1 (leur propriétaire peut lancer weighstation-records central-sql --upgrade)</translation>
    </message>
    <message>
      <source>not a PostgreSQL connection (%1)</source>
      <translation>pas une connexion PostgreSQL (%1)</translation>
    </message>
    <message>
      <source>cannot read the central epoch keys</source>
      <translation>impossible de lire les clés d'époque centrales</translation>
    </message>
    <message>
      <source>cannot send the epoch keys</source>
      <translation>impossible d'envoyer les clés d'époque</translation>
    </message>
    <message>
      <source>cannot claim journal %1</source>
      <translation>impossible de revendiquer le journal %1</translation>
    </message>
    <message>
      <source>cannot read the owner of journal %1</source>
      <translation>impossible de lire le propriétaire du journal %1</translation>
    </message>
    <message>
      <source>journal %1 belongs to the role %2 in the central database, not to this station's</source>
      <translation>le journal %1 appartient au rôle %2 dans la base centrale, pas à celui de cette station</translation>
    </message>
    <message>
      <source>cannot read the registered keys</source>
      <translation>impossible de lire les clés enregistrées</translation>
    </message>
    <message>
      <source>cannot register the fingerprint</source>
      <translation>impossible d'enregistrer l'empreinte</translation>
    </message>
    <message>
      <source>cannot read the verification keys sent</source>
      <translation>impossible de lire les clés de vérification envoyées</translation>
    </message>
    <message>
      <source>seq %1 is held differently by the central database</source>
      <translation>le n° %1 est tenu autrement par la base centrale</translation>
    </message>
    <message>
      <source>records refused</source>
      <translation>enregistrements refusés</translation>
    </message>
    <message>
      <source>central records: seq %1 refused: %2</source>
      <translation>enregistrements centraux : n° %1 refusé : %2</translation>
    </message>
    <message>
      <source>central records: journal %1 seq %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>enregistrements centraux : le journal %1 n° %2 est tenu autrement par la base centrale (un conflit, laissé tel quel)</translation>
    </message>
    <message>
      <source>the central chain is read on a connection of its own, not inside a transaction</source>
      <translation>la chaîne centrale se lit sur une connexion à elle, pas dans une transaction</translation>
    </message>
    <message>
      <source>cannot send the desk's transactions</source>
      <translation>impossible d'envoyer les transactions du poste de pesée</translation>
    </message>
    <message>
      <source>cannot read the central transactions</source>
      <translation>impossible de lire les transactions centrales</translation>
    </message>
    <message>
      <source>central records: journal %1 transaction %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>enregistrements centraux : journal %1 transaction %2 est tenue autrement par la base centrale (un conflit, laissé tel quel)</translation>
    </message>
  </context>
  <context>
    <name>Desk</name>
    <message>
      <source>cannot make the folder of %1</source>
      <translation>impossible de créer le dossier de %1</translation>
    </message>
    <message>
      <source>cannot open the desk's data %1</source>
      <translation>impossible d'ouvrir les données du poste de pesée %1</translation>
    </message>
    <message>
      <source>cannot make the desk's tables</source>
      <translation>impossible de créer les tables du poste de pesée</translation>
    </message>
    <message>
      <source>cannot read the desk's data</source>
      <translation>impossible de lire les données du poste de pesée</translation>
    </message>
    <message>
      <source>a row of %1 takes %2 values, its key first</source>
      <translation>une ligne de %1 prend les valeurs %2, la clé d'abord</translation>
    </message>
    <message>
      <source>cannot write the desk's data</source>
      <translation>impossible d'écrire les données du poste de pesée</translation>
    </message>
    <message>
      <source>%1 holds no %2</source>
      <translation>%1 ne contient pas %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
      <source>%1, line %2: not a CSV field</source>
      <translation>%1, ligne %2 : pas un champ CSV</translation>
    </message>
    <message>
      <source>%1 does not begin with the columns %2</source>
      <translation>%1 ne commence pas par les colonnes %2</translation>
    </message>
    <message>
      <source>%1, row %2: %3 values, not %4</source>
      <translation>%1, ligne %2 : %3 valeurs, pas %4</translation>
    </message>
    <message>
      <source>this weighing needs the vehicle's registration</source>
      <translation>cette pesée demande l'immatriculation du véhicule</translation>
    </message>
    <message>
      <source>vehicle %1 is not registered: check the registration, or add the vehicle first</source>
      <translation>le véhicule %1 n'est pas enregistré : vérifiez l'immatriculation, ou ajoutez d'abord le véhicule</translation>
    </message>
    <message>
      <source>the journal holds no record %1</source>
      <translation>le journal ne contient pas d'enregistrement %1</translation>
    </message>
    <message>
      <source>record %1 was taken at station %2, not at this station (%3)</source>
      <translation>l'enregistrement %1 a été pris au poste %2, pas à ce poste (%3)</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>l'enregistrement %1 est déjà lié à la transaction %2</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct, and the site names none (the setting desk_supervisors)</source>
      <translation>seul un superviseur peut annuler ou corriger, et le site n'en nomme aucun (le réglage desk_supervisors)</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct (%1), not %2</source>
      <translation>seul un superviseur peut annuler ou corriger (%1), pas %2</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare</source>
      <translation>le véhicule %1 n'a pas de tare enregistrée</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare with container %2</source>
      <translation>le véhicule %1 n'a pas de tare enregistrée avec le conteneur %2</translation>
    </message>
    <message>
      <source>the stored tare of vehicle %1 (transaction %2) expired on %3: weigh it empty and store its tare again</source>
      <translation>la tare enregistrée du véhicule %1 (transaction %2) a expiré le %3 : pesez-le à vide et enregistrez à nouveau sa tare</translation>
    </message>
    <message>
      <source>a first weighing is inbound (in) or outbound (out), not "%1"</source>
      <translation>une première pesée est entrante (in) ou sortante (out), pas « %1 »</translation>
    </message>
    <message>
      <source>vehicle %1 is on site already (transaction %2): weigh it out first</source>
      <translation>le véhicule %1 est déjà sur site (transaction %2) : pesez-le d'abord en sortie</translation>
    </message>
    <message>
      <source>no vehicle on site has the interim ticket %1</source>
      <translation>aucun véhicule sur site n'a le ticket provisoire %1</translation>
    </message>
    <message>
      <source>vehicle %1 is not on site: no first weighing is open for it</source>
      <translation>le véhicule %1 n'est pas sur site : aucune première pesée n'est ouverte pour lui</translation>
    </message>
    <message>
      <source>vehicle %1 was weighed in %2 hours before this weighing: check that the interim ticket was its own</source>
      <translation>le véhicule %1 a été pesé en entrée %2 heures avant cette pesée : vérifiez que le ticket provisoire était bien le sien</translation>
    </message>
    <message>
      <source>transaction %1 is a void: it stands</source>
      <translation>la transaction %1 est une annulation : elle demeure</translation>
    </message>
    <message>
      <source>transaction %1 was closed, voided or corrected by transaction %2 already</source>
      <translation>la transaction %1 a déjà été close, annulée ou corrigée par la transaction %2</translation>
    </message>
    <message>
      <source>the journal holds no transaction %1</source>
      <translation>le journal ne contient pas de transaction %1</translation>
    </message>
    <message>
      <source>a void needs its reason</source>
      <translation>une annulation demande son motif</translation>
    </message>
    <message>
      <source>transaction %1 is no live weighing to correct</source>
      <translation>la transaction %1 n'est pas une pesée en vigueur à corriger</translation>
    </message>
    <message>
      <source>a correction needs its reason</source>
      <translation>une correction demande son motif</translation>
    </message>
    <message>
      <source>Weighing Desk</source>
      <translation>Poste de pesée</translation>
    </message>
    <message>
      <source>Single weighing</source>
      <translation>Pesée unique</translation>
    </message>
    <message>
      <source>With the stored tare</source>
      <translation>Avec la tare enregistrée</translation>
    </message>
    <message>
      <source>Store the vehicle's tare</source>
      <translation>Enregistrer la tare du véhicule</translation>
    </message>
    <message>
      <source>First weighing, inbound</source>
      <translation>Première pesée, entrante</translation>
    </message>
    <message>
      <source>First weighing, outbound</source>
      <translation>Première pesée, sortante</translation>
    </message>
    <message>
      <source>Second weighing</source>
      <translation>Seconde pesée</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>Type</translation>
    </message>
    <message>
      <source>Interim ticket or registration</source>
      <translation>Ticket provisoire ou immatriculation</translation>
    </message>
    <message>
      <source>Vehicle</source>
      <translation>Véhicule</translation>
    </message>
    <message>
      <source>Container</source>
      <translation>Conteneur</translation>
    </message>
    <message>
      <source>Customer</source>
      <translation>Client</translation>
    </message>
    <message>
      <source>Product</source>
      <translation>Produit</translation>
    </message>
    <message>
      <source>Haulier</source>
      <translation>Transporteur</translation>
    </message>
    <message>
      <source>Reference</source>
      <translation>Référence</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Opérateur</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Remarque</translation>
    </message>
    <message>
      <source>Prepare for the next record</source>
      <translation>Préparer pour le prochain enregistrement</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Vehicles on site</source>
      <translation>Véhicules sur site</translation>
    </message>
    <message>
      <source>Latest records</source>
      <translation>Derniers enregistrements</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>N°</translation>
    </message>
    <message>
      <source>Taken</source>
      <translation>Pris</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Transaction</source>
      <translation>Transaction</translation>
    </message>
    <message>
      <source>Bind the selected record to the prepared transaction</source>
      <translation>Lier l'enregistrement choisi à la transaction préparée</translation>
    </message>
    <message>
      <source>Transactions</source>
      <translation>Transactions</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Net</translation>
    </message>
    <message>
      <source>State</source>
      <translation>État</translation>
    </message>
    <message>
      <source>Print again</source>
      <translation>Réimprimer</translation>
    </message>
    <message>
      <source>Void...</source>
      <translation>Annuler...</translation>
    </message>
    <message>
      <source>Correct with the form's data...</source>
      <translation>Corriger avec les données du formulaire...</translation>
    </message>
    <message>
      <source>Tickets waiting to print</source>
      <translation>Tickets en attente d'impression</translation>
    </message>
    <message>
      <source>&amp;Tickets</source>
      <translation>&amp;Tickets</translation>
    </message>
    <message>
      <source>Choose the printer...</source>
      <translation>Choisir l'imprimante...</translation>
    </message>
    <message>
      <source>Tickets go to the %1.</source>
      <translation>Les tickets vont vers : %1.</translation>
    </message>
    <message>
      <source>Print to a folder of PDF files...</source>
      <translation>Imprimer dans un dossier de fichiers PDF...</translation>
    </message>
    <message>
      <source>Folder for the tickets</source>
      <translation>Dossier des tickets</translation>
    </message>
    <message>
      <source>Page size</source>
      <translation>Format de page</translation>
    </message>
    <message>
      <source>Print the waiting tickets</source>
      <translation>Imprimer les tickets en attente</translation>
    </message>
    <message>
      <source>Check the journal again</source>
      <translation>Contrôler à nouveau le journal</translation>
    </message>
    <message>
      <source>&amp;Data</source>
      <translation>&amp;Données</translation>
    </message>
    <message>
      <source>Edit the %1...</source>
      <translation>Modifier %1...</translation>
    </message>
    <message>
      <source>Waiting for the journal %1: the monitor makes it with its first record.</source>
      <translation>En attente du journal %1 : le moniteur le crée avec son premier enregistrement.</translation>
    </message>
    <message>
      <source>The desk cannot use the journal: %1</source>
      <translation>Le poste ne peut pas utiliser le journal : %1</translation>
    </message>
    <message>
      <source>Following the journal %1; tickets go to the %2.</source>
      <translation>Suit le journal %1 ; les tickets vont vers : %2.</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered, and this site weighs only registered vehicles.

Add it to the vehicles list?</source>
      <translation>Le véhicule %1 n'est pas enregistré, et ce site ne pèse que des véhicules enregistrés.

L'ajouter à la liste des véhicules ?</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered.

Add it to the vehicles list? (No weighs it as a temporary vehicle.)</source>
      <translation>Le véhicule %1 n'est pas enregistré.

L'ajouter à la liste des véhicules ? (Non le pèse comme véhicule temporaire.)</translation>
    </message>
    <message>
      <source>A second weighing needs its interim ticket (scan it) or the vehicle's registration.</source>
      <translation>Une seconde pesée demande son ticket provisoire (scannez-le) ou l'immatriculation du véhicule.</translation>
    </message>
    <message>
      <source>Waiting for the next record of station %1: press RECORD NOW on the monitor.</source>
      <translation>En attente du prochain enregistrement du poste %1 : appuyez sur SAISIR MESURE sur le moniteur.</translation>
    </message>
    <message>
      <source>Record %1 is not bound: %2</source>
      <translation>L'enregistrement %1 n'est pas lié : %2</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket went to the %2.</source>
      <translation>Transaction %1 scellée ; son ticket est parti vers : %2.</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket waits to print: %2</source>
      <translation>Transaction %1 scellée ; son ticket attend l'impression : %2</translation>
    </message>
    <message>
      <source>Void transaction %1</source>
      <translation>Annuler la transaction %1</translation>
    </message>
    <message>
      <source>Why is transaction %1 void? (It stays in the journal, marked VOID.)</source>
      <translation>Pourquoi la transaction %1 est-elle annulée ? (Elle reste dans le journal, marquée VOID.)</translation>
    </message>
    <message>
      <source>Correct transaction %1</source>
      <translation>Corriger la transaction %1</translation>
    </message>
    <message>
      <source>Transaction %1 is replaced by one with the form's data and its own records and weights. Why?</source>
      <translation>La transaction %1 est remplacée par une autre avec les données du formulaire et ses propres enregistrements et poids. Pourquoi ?</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transaction %1)</translation>
    </message>
    <message>
      <source>replaced by %1</source>
      <translation>remplacée par %1</translation>
    </message>
    <message>
      <source>closed by %1</source>
      <translation>close par %1</translation>
    </message>
    <message>
      <source>%1, in since %2, interim ticket %3</source>
      <translation>%1, entré le %2, ticket provisoire %3</translation>
    </message>
    <message>
      <source>Transaction %1</source>
      <translation>Transaction %1</translation>
    </message>
    <message>
      <source>The journal fails its check: %1. Tickets print marked UNVERIFIED.</source>
      <translation>Le journal échoue à son contrôle : %1. Les tickets s'impriment marqués UNVERIFIED.</translation>
    </message>
    <message>
      <source>Weighing Desk: %1</source>
      <translation>Poste de pesée : %1</translation>
    </message>
    <message>
      <source>Import CSV...</source>
      <translation>Importer un CSV...</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Exporter en CSV...</translation>
    </message>
    <message>
      <source>Add a row</source>
      <translation>Ajouter une ligne</translation>
    </message>
    <message>
      <source>Remove the row</source>
      <translation>Supprimer la ligne</translation>
    </message>
    <message>
      <source>Import %1</source>
      <translation>Importer %1</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Export %1</source>
      <translation>Exporter %1</translation>
    </message>
    <message>
      <source>printer %1</source>
      <translation>imprimante %1</translation>
    </message>
    <message>
      <source>folder %1</source>
      <translation>dossier %1</translation>
    </message>
    <message>
      <source>nowhere chosen yet</source>
      <translation>nulle part encore</translation>
    </message>
    <message>
      <source>no printer or folder is chosen for the tickets (Tickets menu)</source>
      <translation>aucune imprimante ni aucun dossier n'est choisi pour les tickets (menu Tickets)</translation>
    </message>
    <message>
      <source>the printer %1 is not there</source>
      <translation>l'imprimante %1 n'est pas là</translation>
    </message>
    <message>
      <source>the printer %1 cannot print</source>
      <translation>l'imprimante %1 ne peut pas imprimer</translation>
    </message>
    <message>
      <source>The weighing desk: transactions on the monitor's records, their tickets printed.</source>
      <translation>Le poste de pesée : des transactions sur les enregistrements du moniteur, leurs tickets imprimés.</translation>
    </message>
    <message>
      <source>The journal (default: the setting).</source>
      <translation>Le journal (par défaut : le réglage).</translation>
    </message>
    <message>
      <source>Its key (default: the setting).</source>
      <translation>Sa clé (par défaut : le réglage).</translation>
    </message>
    <message>
      <source>Print the tickets as PDF files into FOLDER.</source>
      <translation>Imprimer les tickets en fichiers PDF dans FOLDER.</translation>
    </message>
    <message>
      <source>%1 transactions, net %2</source>
      <translation>%1 transactions, net %2</translation>
    </message>
    <message>
      <source>Group</source>
      <translation>Groupe</translation>
    </message>
    <message>
      <source>Sealed</source>
      <translation>Scellée</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brut</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tare</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unité</translation>
    </message>
    <message>
      <source>Transactions per shift</source>
      <translation>Transactions par équipe</translation>
    </message>
    <message>
      <source>Transactions per day</source>
      <translation>Transactions par jour</translation>
    </message>
    <message>
      <source>Transactions per customer</source>
      <translation>Transactions par client</translation>
    </message>
    <message>
      <source>Transactions per product</source>
      <translation>Transactions par produit</translation>
    </message>
    <message>
      <source>Transactions per vehicle</source>
      <translation>Transactions par véhicule</translation>
    </message>
    <message>
      <source>no journal at %1: the monitor makes it with its first record</source>
      <translation>pas de journal à %1 : le moniteur le crée avec son premier enregistrement</translation>
    </message>
  </context>
  <context>
    <name>Journal</name>
    <message>
      <source>1 record</source>
      <translation>1 enregistrement</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 enregistrements</translation>
    </message>
    <message>
      <source>cannot open the journal %1</source>
      <translation>impossible d'ouvrir le journal %1</translation>
    </message>
    <message>
      <source>the journal %1 cannot be put in WAL mode</source>
      <translation>le journal %1 ne peut pas passer en mode WAL</translation>
    </message>
    <message>
      <source>no journal at %1</source>
      <translation>aucun journal à %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1: its write-ahead log %2 holds records, and without a shared-memory file (%3) it can only be read from a folder that can be written: copy the journal with its -wal file to one</source>
      <translation>impossible de lire le journal %1 : son journal d'écriture anticipée %2 contient des enregistrements, et sans fichier de mémoire partagée (%3) il ne se lit que depuis un dossier accessible en écriture : copiez le journal avec son fichier -wal dans un tel dossier</translation>
    </message>
    <message>
      <source>not a journal head</source>
      <translation>pas un témoin de fin de journal</translation>
    </message>
    <message>
      <source>not sealed with this key</source>
      <translation>pas scellé avec cette clé</translation>
    </message>
    <message>
      <source>cannot make the key's folder %1</source>
      <translation>impossible de créer le dossier de la clé %1</translation>
    </message>
    <message>
      <source>cannot write the key %1: %2</source>
      <translation>impossible d'écrire la clé %1 : %2</translation>
    </message>
    <message>
      <source>cannot read the key %1: %2</source>
      <translation>impossible de lire la clé %1 : %2</translation>
    </message>
    <message>
      <source>the key %1 is not a key: it is larger than %2 bytes</source>
      <translation>la clé %1 n'est pas une clé : elle dépasse %2 octets</translation>
    </message>
    <message>
      <source>the key %1 is not %2 bytes in hex</source>
      <translation>la clé %1 n'est pas de %2 octets en hexadécimal</translation>
    </message>
    <message>
      <source>no head at %1 (%2)</source>
      <translation>aucun témoin de fin à %1 (%2)</translation>
    </message>
    <message>
      <source>the head %1 is %2</source>
      <translation>le témoin de fin %1 est %2</translation>
    </message>
    <message>
      <source>cannot make the head's folder %1</source>
      <translation>impossible de créer le dossier du témoin de fin %1</translation>
    </message>
    <message>
      <source>cannot open the head %1: %2</source>
      <translation>impossible d'ouvrir le témoin de fin %1 : %2</translation>
    </message>
    <message>
      <source>cannot write the journal's head: %1</source>
      <translation>impossible d'écrire le témoin de fin du journal : %1</translation>
    </message>
    <message>
      <source>cannot read the journal</source>
      <translation>impossible de lire le journal</translation>
    </message>
    <message>
      <source>the journal gave no answer</source>
      <translation>le journal n'a pas répondu</translation>
    </message>
    <message>
      <source>cannot read the journal %1</source>
      <translation>impossible de lire le journal %1</translation>
    </message>
    <message>
      <source>%1 is not a record journal of format 1 or %2</source>
      <translation>%1 n'est pas un journal d'enregistrements du format 1 ou %2</translation>
    </message>
    <message>
      <source>cannot read the epoch keys of %1</source>
      <translation>impossible de lire les clés d'époque de %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1 through SQLite</source>
      <translation>impossible de lire le journal %1 par SQLite</translation>
    </message>
    <message>
      <source>no record %1</source>
      <translation>aucun enregistrement %1</translation>
    </message>
    <message>
      <source>no record of the journal went to the workbook %1</source>
      <translation>aucun enregistrement du journal n'est allé dans le classeur %1</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' n'est pas une date (yyyy-MM-dd, éventuellement avec THH:mm[:ss])</translation>
    </message>
    <message>
      <source>no journal at %1 and no key at %2: nothing to retire (the monitor makes a new journal at its first record)</source>
      <translation>aucun journal à %1 ni clé à %2 : rien à retirer (le moniteur crée un nouveau journal à son premier enregistrement)</translation>
    </message>
    <message>
      <source>the journal %1 is open in process %2: end the monitor (and every viewer) first</source>
      <translation>le journal %1 est ouvert dans le processus %2 : fermez d'abord le moniteur (et chaque visionneuse)</translation>
    </message>
    <message>
      <source>cannot retire the journal: %1 exists already</source>
      <translation>impossible de retirer le journal : %1 existe déjà</translation>
    </message>
    <message>
      <source>cannot erase the signing secrets of the journal retired: %1 (nothing renamed)</source>
      <translation>impossible d'effacer les secrets de signature du journal retiré : %1 (rien de renommé)</translation>
    </message>
    <message>
      <source>cannot rename %1 to %2: %3 (renamed before it: %4)</source>
      <translation>impossible de renommer %1 en %2 : %3 (renommés avant : %4)</translation>
    </message>
    <message>
      <source>cannot write %1: no folder %2</source>
      <translation>impossible d'écrire %1 : pas de dossier %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
      <source>%1: refused, it is the record journal's file %2 (nothing written)</source>
      <translation>%1 : refusé, c'est le fichier %2 du journal d'enregistrements (rien d'écrit)</translation>
    </message>
    <message>
      <source>%1: refused, it bears the name of the record journal's files (a key, a head, a retired journal; nothing written)</source>
      <translation>%1 : refusé, il porte le nom des fichiers du journal d'enregistrements (une clé, un témoin de fin, un journal retiré ; rien d'écrit)</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
      <source>%1 is not a key file: it is larger than %2 bytes</source>
      <translation>%1 n'est pas un fichier de clé : il dépasse %2 octets</translation>
    </message>
    <message>
      <source>not a verification key of format 2</source>
      <translation>pas une clé de vérification du format 2</translation>
    </message>
    <message>
      <source>its root key is not %1 bytes in hex</source>
      <translation>sa clé racine n'est pas de %1 octets en hexadécimal</translation>
    </message>
    <message>
      <source>its fingerprint line does not match its key (changed)</source>
      <translation>sa ligne d'empreinte ne correspond pas à sa clé (modifiée)</translation>
    </message>
    <message>
      <source>its format line is not signed by its root (changed)</source>
      <translation>sa ligne de format n'est pas signée par sa racine (modifiée)</translation>
    </message>
    <message>
      <source>the verification key %1</source>
      <translation>la clé de vérification %1</translation>
    </message>
    <message>
      <source>cannot make a signing key: no random source</source>
      <translation>impossible de créer une clé de signature : aucune source d'aléa</translation>
    </message>
    <message>
      <source>cannot make the folder %1</source>
      <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
      <source>cannot read the signing keys %1: %2</source>
      <translation>impossible de lire les clés de signature %1 : %2</translation>
    </message>
    <message>
      <source>the signing keys %1 may be read by others (mode %2): they must be mode 0600</source>
      <translation>les clés de signature %1 sont lisibles par d'autres (mode %2) : elles doivent être en mode 0600</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: </source>
      <translation>les clés de signature %1 sont endommagées : </translation>
    </message>
    <message>
      <source>not signing keys of format 2</source>
      <translation>pas des clés de signature du format 2</translation>
    </message>
    <message>
      <source>line %1 is not an epoch key</source>
      <translation>la ligne %1 n'est pas une clé d'époque</translation>
    </message>
    <message>
      <source>no epoch keys</source>
      <translation>aucune clé d'époque</translation>
    </message>
    <message>
      <source>cannot erase past signing keys in %1: %2</source>
      <translation>impossible d'effacer les clés de signature passées dans %1 : %2</translation>
    </message>
    <message>
      <source>the station's clock is %1 epochs ahead of the signing keys' last use (epoch %2, until %3): if the clock is right, a person confirms it with weighstation-records confirm-clock and starts the monitor again; if not, set the clock right</source>
      <translation>l'horloge de la station a %1 époques d'avance sur la dernière utilisation des clés de signature (époque %2, jusqu'au %3) : si l'horloge est juste, une personne le confirme avec weighstation-records confirm-clock et redémarre le moniteur ; sinon, mettez l'horloge à l'heure</translation>
    </message>
    <message>
      <source>the signing keys end on %1: retire the journal with weighstation-records new-journal before then</source>
      <translation>les clés de signature prennent fin le %1 : retirez le journal avec weighstation-records new-journal avant</translation>
    </message>
    <message>
      <source>not a weighstation ticket code of format 2</source>
      <translation>pas un code de ticket weighstation du format 2</translation>
    </message>
    <message>
      <source>the code is cut or has extra parts (%1 of %2 fields)</source>
      <translation>le code est coupé ou a des parties en trop (%1 champs sur %2)</translation>
    </message>
    <message>
      <source>a part of the code is not what a ticket holds (cut, or a changed character?)</source>
      <translation>une partie du code n'est pas ce que contient un ticket (coupé, ou un caractère modifié ?)</translation>
    </message>
    <message>
      <source>its epoch key is not certified by the verification key %1 (station %2): another station's ticket, or changed</source>
      <translation>sa clé d'époque n'est pas certifiée par la clé de vérification %1 (station %2) : le ticket d'une autre station, ou modifié</translation>
    </message>
    <message>
      <source>it is dated outside the epoch that sealed it</source>
      <translation>il est daté hors de l'époque qui l'a scellé</translation>
    </message>
    <message>
      <source>its signature does not match what it says (a changed digit?)</source>
      <translation>sa signature ne correspond pas à ce qu'il indique (un chiffre modifié ?)</translation>
    </message>
    <message>
      <source>cannot sync %1: %2</source>
      <translation>impossible de synchroniser %1 : %2</translation>
    </message>
    <message>
      <source>cannot read the head %1: %2</source>
      <translation>impossible de lire le témoin de fin %1 : %2</translation>
    </message>
    <message>
      <source>the head %1 is empty</source>
      <translation>le témoin de fin %1 est vide</translation>
    </message>
    <message>
      <source>cannot copy %1 to %2</source>
      <translation>impossible de copier %1 vers %2</translation>
    </message>
    <message>
      <source>cannot name %1 %2: %3</source>
      <translation>impossible de nommer %1 %2 : %3</translation>
    </message>
    <message>
      <source>cannot check %1</source>
      <translation>impossible de vérifier %1</translation>
    </message>
    <message>
      <source>%1 does not check intact (%2): %3</source>
      <translation>%1 ne se vérifie pas intact (%2) : %3</translation>
    </message>
    <message>
      <source>%1 is not a backup's manifest</source>
      <translation>%1 n'est pas le manifeste d'une sauvegarde</translation>
    </message>
    <message>
      <source>%1 is not a whole backup manifest</source>
      <translation>%1 n'est pas un manifeste de sauvegarde complet</translation>
    </message>
    <message>
      <source>cannot copy the journal %1 to %2: %3</source>
      <translation>impossible de copier le journal %1 vers %2 : %3</translation>
    </message>
    <message>
      <source>the backup folder %1 is missing (is its disk mounted?)</source>
      <translation>le dossier de sauvegarde %1 manque (son disque est-il monté ?)</translation>
    </message>
    <message>
      <source>the backup folder %1 is the station's own folder %2</source>
      <translation>le dossier de sauvegarde %1 est le dossier propre de la station %2</translation>
    </message>
    <message>
      <source>the last backup is kept; a person looks at it</source>
      <translation>la dernière sauvegarde est conservée ; une personne l'examine</translation>
    </message>
    <message>
      <source>the copy</source>
      <translation>la copie</translation>
    </message>
    <message>
      <source>no backup made; verify the journal</source>
      <translation>aucune sauvegarde faite ; vérifiez le journal</translation>
    </message>
    <message>
      <source>the journal holds %1 records, its last backup %2: the last backup is kept; verify the journal</source>
      <translation>le journal contient %1 enregistrements, sa dernière sauvegarde %2 : la dernière sauvegarde est conservée ; vérifiez le journal</translation>
    </message>
    <message>
      <source>the last good backup of journal %1 in %2 was made %3</source>
      <translation>la dernière bonne sauvegarde du journal %1 dans %2 date du %3</translation>
    </message>
    <message>
      <source>journal %1 has no good backup in %2</source>
      <translation>le journal %1 n'a aucune bonne sauvegarde dans %2</translation>
    </message>
    <message>
      <source>a journal is at %1: a journal is never replaced; move it away first, or retire it with weighstation-records new-journal</source>
      <translation>un journal se trouve à %1 : un journal n'est jamais remplacé ; déplacez-le d'abord, ou retirez-le avec weighstation-records new-journal</translation>
    </message>
    <message>
      <source>%1 is not a finished backup</source>
      <translation>%1 n'est pas une sauvegarde terminée</translation>
    </message>
    <message>
      <source>the backup was sealed under another verification key (fingerprint %1; the station's is %2)</source>
      <translation>la sauvegarde a été scellée sous une autre clé de vérification (empreinte %1 ; celle de la station est %2)</translation>
    </message>
    <message>
      <source>the backup</source>
      <translation>la sauvegarde</translation>
    </message>
    <message>
      <source>nothing restored</source>
      <translation>rien de restauré</translation>
    </message>
    <message>
      <source>cannot write %1</source>
      <translation>impossible d'écrire %1</translation>
    </message>
    <message>
      <source>cannot write %1: cannot add a sheet</source>
      <translation>impossible d'écrire %1 : impossible d'ajouter une feuille</translation>
    </message>
    <message>
      <source>cannot make the journal's folder %1</source>
      <translation>impossible de créer le dossier du journal %1</translation>
    </message>
    <message>
      <source>is missing</source>
      <translation>manque</translation>
    </message>
    <message>
      <source>is empty</source>
      <translation>est vide</translation>
    </message>
    <message>
      <source>is another journal (%1)</source>
      <translation>est un autre journal (%1)</translation>
    </message>
    <message>
      <source>the journal %1 %2; its key sealed %3 records of journal %4</source>
      <translation>le journal %1 %2 ; sa clé a scellé %3 enregistrements du journal %4</translation>
    </message>
    <message>
      <source>cannot lock the journal</source>
      <translation>impossible de verrouiller le journal</translation>
    </message>
    <message>
      <source>cannot set the journal up</source>
      <translation>impossible de mettre en place le journal</translation>
    </message>
    <message>
      <source>cannot read the journal's identity</source>
      <translation>impossible de lire l'identité du journal</translation>
    </message>
    <message>
      <source>the journal %1 has format '%2', not 1 or %3</source>
      <translation>le journal %1 a le format '%2', pas 1 ni %3</translation>
    </message>
    <message>
      <source>cannot read the journal's end</source>
      <translation>impossible de lire la fin du journal</translation>
    </message>
    <message>
      <source>the journal %1 ends at seq %2, but its verification key was made for format 2 after seq %3 (another monitor wrote on): start the monitor again</source>
      <translation>le journal %1 finit au n° %2, mais sa clé de vérification a été faite pour le format 2 après le n° %3 (un autre moniteur a continué d'écrire) : redémarrez le moniteur</translation>
    </message>
    <message>
      <source>cannot continue the journal in format 2</source>
      <translation>impossible de poursuivre le journal au format 2</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: epoch %2 is not certified by its root</source>
      <translation>les clés de signature %1 sont endommagées : l'époque %2 n'est pas certifiée par leur racine</translation>
    </message>
    <message>
      <source>the signing secret of epoch %1 is not in %2</source>
      <translation>le secret de signature de l'époque %1 n'est pas dans %2</translation>
    </message>
    <message>
      <source>the journal %1 fails its check: </source>
      <translation>le journal %1 échoue à sa vérification : </translation>
    </message>
    <message>
      <source>the head %1 is not signed by its epoch's key</source>
      <translation>le témoin de fin %1 n'est pas signé par la clé de son époque</translation>
    </message>
    <message>
      <source>no head witnesses its end (%1)</source>
      <translation>aucun témoin de fin n'atteste sa fin (%1)</translation>
    </message>
    <message>
      <source>cannot read the journal's epoch keys</source>
      <translation>impossible de lire les clés d'époque du journal</translation>
    </message>
    <message>
      <source>cannot prepare the journal's insert</source>
      <translation>impossible de préparer l'insertion du journal</translation>
    </message>
    <message>
      <source>cannot prepare the journal's reads</source>
      <translation>impossible de préparer les lectures du journal</translation>
    </message>
    <message>
      <source>the station's signing keys ended on %1: the journal needs new keys (weighstation-records new-journal)</source>
      <translation>les clés de signature de la station ont pris fin le %1 : le journal a besoin de nouvelles clés (weighstation-records new-journal)</translation>
    </message>
    <message>
      <source>cannot write the epoch's key</source>
      <translation>impossible d'écrire la clé de l'époque</translation>
    </message>
    <message>
      <source>it is dated %1, before its sealing epoch %2 began (the station's clock went back): the journal's check reports it</source>
      <translation>il est daté du %1, avant le début de son époque de scellement %2 (l'horloge de la station a reculé) : la vérification du journal le signale</translation>
    </message>
    <message>
      <source>its head was not advanced to seq %1: %2</source>
      <translation>son témoin de fin n'a pas été avancé au n° %1 : %2</translation>
    </message>
    <message>
      <source>cannot write the record</source>
      <translation>impossible d'écrire l'enregistrement</translation>
    </message>
    <message>
      <source>cannot commit the record</source>
      <translation>impossible de valider l'enregistrement</translation>
    </message>
    <message>
      <source>cannot read seq %1 back</source>
      <translation>impossible de relire le n° %1</translation>
    </message>
    <message>
      <source>seq %1 read back differs from what was written</source>
      <translation>le n° %1 relu diffère de ce qui a été écrit</translation>
    </message>
    <message>
      <source>the journal is not open</source>
      <translation>le journal n'est pas ouvert</translation>
    </message>
    <message>
      <source>cannot note the text log</source>
      <translation>impossible de noter le journal texte</translation>
    </message>
    <message>
      <source>no journal yet at %1</source>
      <translation>pas encore de journal à %1</translation>
    </message>
    <message>
      <source>the journal %1 has no id</source>
      <translation>le journal %1 n'a pas d'identifiant</translation>
    </message>
    <message>
      <source>cannot use the journal %1</source>
      <translation>impossible d'utiliser le journal %1</translation>
    </message>
    <message>
      <source>cannot read the shipping cursor</source>
      <translation>impossible de lire le curseur d'expédition</translation>
    </message>
    <message>
      <source>cannot read the journal's verification key</source>
      <translation>impossible de lire la clé de vérification du journal</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>aucun enregistrement %1 dans le journal</translation>
    </message>
    <message>
      <source>cannot note what was shipped</source>
      <translation>impossible de noter ce qui a été expédié</translation>
    </message>
    <message>
      <source>cannot note a shipping problem</source>
      <translation>impossible de noter un problème d'expédition</translation>
    </message>
    <message>
      <source>cannot note the last try</source>
      <translation>impossible de noter le dernier essai</translation>
    </message>
    <message>
      <source>cannot note a record set aside</source>
      <translation>impossible de noter un enregistrement mis de côté</translation>
    </message>
    <message>
      <source>cannot read the records set aside</source>
      <translation>impossible de lire les enregistrements mis de côté</translation>
    </message>
    <message>
      <source>cannot note a record set aside as shipped</source>
      <translation>impossible de noter un enregistrement mis de côté comme expédié</translation>
    </message>
    <message>
      <source>cannot read the shipping cursors</source>
      <translation>impossible de lire les curseurs d'expédition</translation>
    </message>
    <message>
      <source>cannot read the shipping problems</source>
      <translation>impossible de lire les problèmes d'expédition</translation>
    </message>
    <message>
      <source>ticket NOT genuine: %1</source>
      <translation>ticket NON authentique : %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, seq %2, %3, %4</source>
      <translation>ticket authentique : station %1, n° %2, %3, %4</translation>
    </message>
    <message>
      <source>its records of format 1 need its key</source>
      <translation>ses enregistrements au format 1 ont besoin de sa clé</translation>
    </message>
    <message>
      <source>line %1 is not a run's links</source>
      <translation>la ligne %1 n'est pas le lien d'une série de clés</translation>
    </message>
    <message>
      <source>the signing keys %1 cannot certify a next run: the secret of their last epoch %2 is gone</source>
      <translation>les clés de signature %1 ne peuvent pas certifier une série suivante : le secret de leur dernière époque %2 a disparu</translation>
    </message>
    <message>
      <source>cannot make the journal's transactions</source>
      <translation>impossible de créer la table des transactions du journal</translation>
    </message>
    <message>
      <source>the journal holds no record to bind</source>
      <translation>le journal ne contient aucun enregistrement à lier</translation>
    </message>
    <message>
      <source>the journal's last record is of format 1: a transaction needs one of format 2</source>
      <translation>le dernier enregistrement du journal est au format 1 : une transaction en demande un au format 2</translation>
    </message>
    <message>
      <source>cannot write the transaction</source>
      <translation>impossible d'écrire la transaction</translation>
    </message>
    <message>
      <source>record %1 shows no unit</source>
      <translation>l'enregistrement %1 n'affiche aucune unité</translation>
    </message>
    <message>
      <source>a tare of %1 %2 is not above zero</source>
      <translation>une tare de %1 %2 n'est pas supérieure à zéro</translation>
    </message>
    <message>
      <source>the second weighing is in %1, the first in %2</source>
      <translation>la seconde pesée est en %1, la première en %2</translation>
    </message>
    <message>
      <source>the stored tare is in %1, the weighing in %2</source>
      <translation>la tare enregistrée est en %1, la pesée en %2</translation>
    </message>
    <message>
      <source>the stored tare %1 %3 is heavier than the gross %2 %3</source>
      <translation>la tare enregistrée %1 %3 est plus lourde que le brut %2 %3</translation>
    </message>
    <message>
      <source>not a kind of transaction: %1</source>
      <translation>pas un type de transaction : %1</translation>
    </message>
    <message>
      <source>a net of %1 %2 is not above zero</source>
      <translation>un net de %1 %2 n'est pas supérieur à zéro</translation>
    </message>
    <message>
      <source>it closes transaction %1, which is no open first weighing of its vehicle and record</source>
      <translation>elle clôt la transaction %1, qui n'est pas une première pesée ouverte de son véhicule et de son enregistrement</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which is not live</source>
      <translation>elle se réfère à la transaction %1, qui n'est plus en vigueur</translation>
    </message>
    <message>
      <source>it does not keep the records and weights of transaction %1</source>
      <translation>elle ne garde pas les enregistrements et les poids de la transaction %1</translation>
    </message>
    <message>
      <source>it gives no reason</source>
      <translation>elle ne donne aucun motif</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which its kind never does</source>
      <translation>elle se réfère à la transaction %1, ce que son type ne fait jamais</translation>
    </message>
    <message>
      <source>a void binds no record</source>
      <translation>une annulation ne lie aucun enregistrement</translation>
    </message>
    <message>
      <source>record %1 is not in the journal as the transaction copied it</source>
      <translation>l'enregistrement %1 n'est pas dans le journal tel que la transaction l'a copié</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>l'enregistrement %1 est déjà lié à la transaction %2</translation>
    </message>
    <message>
      <source>it binds other records than its kind does</source>
      <translation>elle lie d'autres enregistrements que ne le fait son type</translation>
    </message>
    <message>
      <source>its stored tare %1 is not a valid tare of its vehicle at the weighing</source>
      <translation>sa tare enregistrée %1 n'est pas une tare valable de son véhicule lors de la pesée</translation>
    </message>
    <message>
      <source>its weights %1/%2/%3 %4 do not follow from its records (%5/%6/%7 %8)</source>
      <translation>ses poids %1/%2/%3 %4 ne découlent pas de ses enregistrements (%5/%6/%7 %8)</translation>
    </message>
    <message>
      <source>out of its place, after transaction %1</source>
      <translation>hors de sa place, après la transaction %1</translation>
    </message>
    <message>
      <source>it names no station or time</source>
      <translation>elle ne nomme aucun poste ni aucune heure</translation>
    </message>
    <message>
      <source>its seal does not match its contents and the transaction before</source>
      <translation>son sceau ne correspond pas à son contenu et à la transaction précédente</translation>
    </message>
    <message>
      <source>its seal is not signed by its epoch's key</source>
      <translation>son sceau n'est pas signé par la clé de son époque</translation>
    </message>
    <message>
      <source>it is dated %1, outside its sealing epoch %2</source>
      <translation>elle est datée du %1, hors de son époque de scellement %2</translation>
    </message>
    <message>
      <source>the journal's transactions fail their check: %1</source>
      <translation>les transactions du journal échouent à leur contrôle : %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, transaction %2 (%3), %4, vehicle %5, records %6, gross %7 tare %8 net %9</source>
      <translation>ticket authentique : poste %1, transaction %2 (%3), %4, véhicule %5, enregistrements %6, brut %7 tare %8 net %9</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>SCALE 1</source>
      <translation>BALANCE 1</translation>
    </message>
    <message>
      <source>Serial 1 Settings</source>
      <translation>Liaison série 1</translation>
    </message>
    <message>
      <source>SCALE 2</source>
      <translation>BALANCE 2</translation>
    </message>
    <message>
      <source>Serial 2 Settings</source>
      <translation>Liaison série 2</translation>
    </message>
    <message>
      <source>SCALE 3</source>
      <translation>BALANCE 3</translation>
    </message>
    <message>
      <source>Serial 3 Settings</source>
      <translation>Liaison série 3</translation>
    </message>
    <message>
      <source>+</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>GROSS</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>KG</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Overload</source>
      <translation>Surch.</translation>
    </message>
    <message>
      <source>Zero</source>
      <translation>Zéro</translation>
    </message>
    <message>
      <source>Tare
Net</source>
      <translation>Tare
Net</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brut</translation>
    </message>
    <message>
      <source>COM PORT:</source>
      <translation>PORT :</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Connecter</translation>
    </message>
    <message>
      <source>STATUS:</source>
      <translation>ÉTAT :</translation>
    </message>
    <message>
      <source>Not Connected</source>
      <translation>Déconnecté</translation>
    </message>
    <message>
      <source>Korvel Weigh Station</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Exit</source>
      <translation>Quitter</translation>
    </message>
    <message>
      <source>Current Time &amp;&amp; Date</source>
      <translation>Heure &amp;&amp; date</translation>
    </message>
    <message>
      <source>TextLabel</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Data Log</source>
      <translation>Journal</translation>
    </message>
    <message>
      <source>Sensitivity</source>
      <translation>Sensibilité</translation>
    </message>
    <message>
      <source>Count:</source>
      <translation>Nbre :</translation>
    </message>
    <message>
      <source>0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select File</source>
      <translation>Choisir</translation>
    </message>
    <message>
      <source>Start Text File Log</source>
      <translation>Journal texte</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. basse</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. haute</translation>
    </message>
    <message>
      <source>10000</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start Excel File Log</source>
      <translation>Journal Excel</translation>
    </message>
    <message>
      <source> RECORD
NOW</source>
      <translation> SAISIR
MESURE</translation>
    </message>
    <message>
      <source>TOTAL =</source>
      <translation>TOTAL =</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Fichier</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Connecté</translation>
    </message>
  </context>
  <context>
    <name>Printouts</name>
    <message>
      <source>These are the weigh station monitor's own records, not an instrument's verified printout.</source>
      <translation>Ce sont les enregistrements propres du moniteur de la station de pesage, pas l'impression vérifiée d'un instrument.</translation>
    </message>
    <message>
      <source>Journal checked: intact, seq %1..%2</source>
      <translation>Journal vérifié : intact, n° %1..%2</translation>
    </message>
    <message>
      <source>Journal checked: intact, no records</source>
      <translation>Journal vérifié : intact, aucun enregistrement</translation>
    </message>
    <message>
      <source>Journal checked: records intact, seq %1..%2; its end not witnessed</source>
      <translation>Journal vérifié : enregistrements intacts, n° %1..%2 ; sa fin non attestée</translation>
    </message>
    <message>
      <source>UNVERIFIED: the journal fails its check at seq %1</source>
      <translation>NON VÉRIFIÉ : le journal échoue à sa vérification au n° %1</translation>
    </message>
    <message>
      <source>UNVERIFIED: check not finished</source>
      <translation>NON VÉRIFIÉ : vérification inachevée</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>N°</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>Date</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Station</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unité</translation>
    </message>
    <message>
      <source>Net/Gross</source>
      <translation>Net/Brut</translation>
    </message>
    <message>
      <source>Scale 1</source>
      <translation>Balance 1</translation>
    </message>
    <message>
      <source>Scale 2</source>
      <translation>Balance 2</translation>
    </message>
    <message>
      <source>Scale 3</source>
      <translation>Balance 3</translation>
    </message>
    <message>
      <source>Verification</source>
      <translation>Vérification</translation>
    </message>
    <message>
      <source>day: %1</source>
      <translation>jour : %1</translation>
    </message>
    <message>
      <source>total: %1</source>
      <translation>total : %1</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Imprimé %1</translation>
    </message>
    <message>
      <source>Scale</source>
      <translation>Balance</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brut</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tare</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Net</translation>
    </message>
    <message>
      <source>Scale %1</source>
      <translation>Balance %1</translation>
    </message>
    <message>
      <source>not connected</source>
      <translation>non connectée</translation>
    </message>
    <message>
      <source>Limits: over %1 %3, under %2 %3</source>
      <translation>Limites : au-dessus de %1 %3, en dessous de %2 %3</translation>
    </message>
    <message>
      <source>Verification code: %1</source>
      <translation>Code de vérification : %1</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Opérateur</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>Signature</translation>
    </message>
    <message>
      <source>Weighing ticket</source>
      <translation>Ticket de pesée</translation>
    </message>
    <message>
      <source>Station: %1</source>
      <translation>Station : %1</translation>
    </message>
    <message>
      <source>Seq: %1</source>
      <translation>N° : %1</translation>
    </message>
    <message>
      <source>Date and time: %1</source>
      <translation>Date et heure : %1</translation>
    </message>
    <message>
      <source>Weighing report</source>
      <translation>Rapport de pesées</translation>
    </message>
    <message>
      <source>Period: %1</source>
      <translation>Période : %1</translation>
    </message>
    <message>
      <source>page %1 of %2</source>
      <translation>page %1 sur %2</translation>
    </message>
    <message>
      <source>No records match</source>
      <translation>Aucun enregistrement ne correspond</translation>
    </message>
    <message>
      <source>all records</source>
      <translation>tous les enregistrements</translation>
    </message>
    <message>
      <source>up to %1</source>
      <translation>jusqu'au %1</translation>
    </message>
    <message>
      <source>from %1</source>
      <translation>à partir du %1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>du %1 au %2</translation>
    </message>
    <message>
      <source>Interim weighing ticket</source>
      <translation>Ticket de pesée provisoire</translation>
    </message>
    <message>
      <source>Tare ticket</source>
      <translation>Ticket de tare</translation>
    </message>
    <message>
      <source>Void notice</source>
      <translation>Avis d'annulation</translation>
    </message>
    <message>
      <source>Vehicle: %1</source>
      <translation>Véhicule : %1</translation>
    </message>
    <message>
      <source>Container: %1</source>
      <translation>Conteneur : %1</translation>
    </message>
    <message>
      <source>Customer: %1</source>
      <translation>Client : %1</translation>
    </message>
    <message>
      <source>Product: %1</source>
      <translation>Produit : %1</translation>
    </message>
    <message>
      <source>Haulier: %1</source>
      <translation>Transporteur : %1</translation>
    </message>
    <message>
      <source>Reference: %1</source>
      <translation>Référence : %1</translation>
    </message>
    <message>
      <source>Direction: %1</source>
      <translation>Sens : %1</translation>
    </message>
    <message>
      <source>inbound</source>
      <translation>entrante</translation>
    </message>
    <message>
      <source>outbound</source>
      <translation>sortante</translation>
    </message>
    <message>
      <source>Operator: %1</source>
      <translation>Opérateur : %1</translation>
    </message>
    <message>
      <source>Note: %1</source>
      <translation>Remarque : %1</translation>
    </message>
    <message>
      <source>Reason: %1</source>
      <translation>Motif : %1</translation>
    </message>
    <message>
      <source>Transaction: %1</source>
      <translation>Transaction : %1</translation>
    </message>
    <message>
      <source>Weighing: seq %1, %2, %3</source>
      <translation>Pesée : n° %1, %2, %3</translation>
    </message>
    <message>
      <source>First weighing: seq %1, %2, %3</source>
      <translation>Première pesée : n° %1, %2, %3</translation>
    </message>
    <message>
      <source>Second weighing: seq %1, %2, %3</source>
      <translation>Seconde pesée : n° %1, %2, %3</translation>
    </message>
    <message>
      <source>Tare stored on transaction %1, valid until %2</source>
      <translation>Tare enregistrée par la transaction %1, valable jusqu'au %2</translation>
    </message>
    <message>
      <source>Voids transaction %1</source>
      <translation>Annule la transaction %1</translation>
    </message>
    <message>
      <source>Replaces the ticket of transaction %1</source>
      <translation>Remplace le ticket de la transaction %1</translation>
    </message>
    <message>
      <source>Tare: %1</source>
      <translation>Tare : %1</translation>
    </message>
    <message>
      <source>Valid until %1</source>
      <translation>Valable jusqu'au %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transaction %1)</translation>
    </message>
    <message>
      <source>REPLACED by transaction %1</source>
      <translation>REMPLACÉE par la transaction %1</translation>
    </message>
    <message>
      <source>Interim ticket: %1</source>
      <translation>Ticket provisoire : %1</translation>
    </message>
    <message>
      <source>Sealed %1</source>
      <translation>Scellée le %1</translation>
    </message>
    <message>
      <source>Total: %1</source>
      <translation>Total : %1</translation>
    </message>
    <message>
      <source>Voided and replaced, not summed</source>
      <translation>Annulées et remplacées, non additionnées</translation>
    </message>
  </context>
  <context>
    <name>Publishing</name>
    <message>
      <source>%1: the connection was lost (%2)</source>
      <translation>%1 : la connexion a été perdue (%2)</translation>
    </message>
    <message>
      <source>%1 did not take record seq %2 (%3); the records from it on wait and are sent again every minute</source>
      <translation>%1 n'a pas pris l'enregistrement n° %2 (%3) ; les enregistrements à partir de lui attendent et sont renvoyés chaque minute</translation>
    </message>
    <message>
      <source>%1 is set, but '%2' is not mqtts:// (TLS)</source>
      <translation>%1 est défini, mais '%2' n'est pas mqtts:// (TLS)</translation>
    </message>
    <message>
      <source>%1: cannot read %2</source>
      <translation>%1 : impossible de lire %2</translation>
    </message>
    <message>
      <source>the topic prefix in '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>le préfixe de sujet dans '%1' ne permet pas de publier (pas de '#', '+', NUL ni niveau vide)</translation>
    </message>
    <message>
      <source>'%1' is not mqtt://[user@]host[:port][/prefix]</source>
      <translation>'%1' n'est pas mqtt://[utilisateur@]hôte[:port][/préfixe]</translation>
    </message>
    <message>
      <source>'%1' is neither mqtt:// nor mqtts://</source>
      <translation>'%1' n'est ni mqtt:// ni mqtts://</translation>
    </message>
    <message>
      <source>a password in the URI is refused; give it in WEIGHSTATION_MQTT_PASSWORD_FILE</source>
      <translation>un mot de passe dans l'URI est refusé ; donnez-le dans WEIGHSTATION_MQTT_PASSWORD_FILE</translation>
    </message>
    <message>
      <source>'%1' has a query or fragment, which it does not take</source>
      <translation>'%1' a une requête ou un fragment, qu'il ne prend pas</translation>
    </message>
    <message>
      <source>the topic prefix '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>le préfixe de sujet '%1' ne permet pas de publier (pas de '#', '+', NUL ni niveau vide)</translation>
    </message>
    <message>
      <source>%1 did not take transaction %2 (%3); it is sent again</source>
      <translation>%1 n'a pas pris la transaction %2 (%3) ; elle est renvoyée</translation>
    </message>
  </context>
  <context>
    <name>Records</name>
    <message>
      <source>The journal (default: $WEIGHSTATION_JOURNAL or ~/.local/share/weighstation/journal.sqlite).</source>
      <translation>Le journal (par défaut : $WEIGHSTATION_JOURNAL ou ~/.local/share/weighstation/journal.sqlite).</translation>
    </message>
    <message>
      <source>Its key (default: $WEIGHSTATION_JOURNAL_KEY or ~/.config/weighstation/journal.key).</source>
      <translation>Sa clé (par défaut : $WEIGHSTATION_JOURNAL_KEY ou ~/.config/weighstation/journal.key).</translation>
    </message>
    <message>
      <source>The head that witnesses its end (default: beside the key).</source>
      <translation>Le témoin de fin (head) qui atteste sa fin (par défaut : à côté de la clé).</translation>
    </message>
    <message>
      <source>takes %1, not %2 (try --help)</source>
      <translation>prend %1, pas %2 (voir --help)</translation>
    </message>
    <message>
      <source>no arguments</source>
      <translation>aucun argument</translation>
    </message>
    <message>
      <source>one argument</source>
      <translation>un argument</translation>
    </message>
    <message>
      <source>%1 arguments</source>
      <translation>%1 arguments</translation>
    </message>
    <message>
      <source>Records taken from this local date (yyyy-MM-dd, optionally THH:mm[:ss]) on.</source>
      <translation>Enregistrements à partir de cette date locale (yyyy-MM-dd, éventuellement THH:mm[:ss]).</translation>
    </message>
    <message>
      <source>Records taken up to the end of this local date.</source>
      <translation>Enregistrements jusqu'à la fin de cette date locale.</translation>
    </message>
    <message>
      <source>--from %1 is not before --to %2</source>
      <translation>--from %1 n'est pas avant --to %2</translation>
    </message>
    <message>
      <source>'%1' is not a range of seq numbers A-B</source>
      <translation>'%1' n'est pas une plage de numéros A-B</translation>
    </message>
    <message>
      <source>Read the site's central database (postgresql:// URI) instead of the journal.</source>
      <translation>Lire la base centrale du site (URI postgresql://) au lieu du journal.</translation>
    </message>
    <message>
      <source>Only the journals of this station.</source>
      <translation>Seulement les journaux de cette station.</translation>
    </message>
    <message>
      <source>Only this journal.</source>
      <translation>Seulement ce journal.</translation>
    </message>
    <message>
      <source>cannot check the journal</source>
      <translation>impossible de vérifier le journal</translation>
    </message>
    <message>
      <source>cannot write %1: its folder is missing or not writable</source>
      <translation>impossible d'écrire %1 : son dossier manque ou n'est pas accessible en écriture</translation>
    </message>
    <message>
      <source>cannot reach %1</source>
      <translation>%1 est injoignable</translation>
    </message>
    <message>
      <source>the records viewer, "Weigh Station Records"</source>
      <translation>la visionneuse des enregistrements, « Weigh Station Records »</translation>
    </message>
    <message>
      <source>check every record, the chain and the end</source>
      <translation>vérifier chaque enregistrement, la chaîne et la fin</translation>
    </message>
    <message>
      <source>the records as CSV or .xlsx</source>
      <translation>les enregistrements en CSV ou .xlsx</translation>
    </message>
    <message>
      <source>rebuild the last workbook that went to FILE</source>
      <translation>reconstruire le dernier classeur écrit dans FILE</translation>
    </message>
    <message>
      <source>a record's weighing ticket, as a PDF</source>
      <translation>le ticket de pesée d'un enregistrement, en PDF</translation>
    </message>
    <message>
      <source>a report of the records, as a PDF</source>
      <translation>un rapport des enregistrements, en PDF</translation>
    </message>
    <message>
      <source>a station's journals in the central database</source>
      <translation>les journaux d'une station dans la base centrale</translation>
    </message>
    <message>
      <source>the central records, of one station or all</source>
      <translation>les enregistrements centraux, d'une station ou de toutes</translation>
    </message>
    <message>
      <source>the SQL of the central tables, for a DBA</source>
      <translation>le SQL des tables centrales, pour un DBA</translation>
    </message>
    <message>
      <source>every setting in force and where it came from</source>
      <translation>chaque réglage en vigueur et son origine</translation>
    </message>
    <message>
      <source>retire the journal, its key and heads (renamed, kept); the monitor then starts a new journal</source>
      <translation>retirer le journal, sa clé et ses témoins (renommés, conservés) ; le moniteur commence alors un nouveau journal</translation>
    </message>
    <message>
      <source>Views, verifies, lists, exports and recovers the monitor's record journal.</source>
      <translation>Affiche, vérifie, liste, exporte et récupère le journal des enregistrements du moniteur.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Commandes :</translation>
    </message>
    <message>
      <source>The commands that read the journal take --journal PATH, --key PATH and --head PATH
(those they use); each command's --help lists its own options.
Exit codes: 0 done, 1 the journal does not verify, 2 cannot be done.</source>
      <translation>Les commandes qui lisent le journal prennent --journal PATH, --key PATH et --head PATH
(celles qu'elles utilisent) ; --help de chaque commande liste ses options.
Codes de sortie : 0 fait, 1 le journal ne se vérifie pas, 2 impossible.</translation>
    </message>
    <message>
      <source>Opens the records viewer over the journal, read-only.</source>
      <translation>Ouvre la visionneuse sur le journal, en lecture seule.</translation>
    </message>
    <message>
      <source>Prints every setting in force: key, value, and where it came from (default, system file, user file, environment).</source>
      <translation>Affiche chaque réglage en vigueur : clé, valeur et origine (default, system file, user file, environment).</translation>
    </message>
    <message>
      <source>Prints the SQL that creates the central tables, for a database administrator who creates them by hand.</source>
      <translation>Affiche le SQL qui crée les tables centrales, pour un administrateur qui les crée à la main.</translation>
    </message>
    <message>
      <source>Retires the journal, its key and its heads (renamed with the journal's id, nothing deleted), so that the monitor starts a new journal with a new key at its next record.</source>
      <translation>Retire le journal, sa clé et ses témoins (renommés avec l'identifiant du journal, rien n'est effacé), pour que le moniteur commence un nouveau journal avec une nouvelle clé à son prochain enregistrement.</translation>
    </message>
    <message>
      <source>Only the newest N.</source>
      <translation>Seulement les N plus récents.</translation>
    </message>
    <message>
      <source>--last takes a number above 0</source>
      <translation>--last prend un nombre supérieur à 0</translation>
    </message>
    <message>
      <source>Exports records to CSV or .xlsx; a journal that does not verify is refused unless --unverified is given.</source>
      <translation>Exporte les enregistrements en CSV ou .xlsx ; un journal qui ne se vérifie pas est refusé sans --unverified.</translation>
    </message>
    <message>
      <source>Only seq A to B.</source>
      <translation>Seulement les numéros A à B.</translation>
    </message>
    <message>
      <source>Write CSV to FILE.</source>
      <translation>Écrire le CSV dans FILE.</translation>
    </message>
    <message>
      <source>Write .xlsx to FILE.</source>
      <translation>Écrire le .xlsx dans FILE.</translation>
    </message>
    <message>
      <source>Export a journal that does not verify, marked as such.</source>
      <translation>Exporter un journal qui ne se vérifie pas, marqué comme tel.</translation>
    </message>
    <message>
      <source>export takes one of --csv FILE and --xlsx FILE</source>
      <translation>export prend l'un de --csv FILE et --xlsx FILE</translation>
    </message>
    <message>
      <source>Rebuilds, from the journal, the workbook of the last spreadsheet-log session that went to FILE, as its stop would have saved it.</source>
      <translation>Reconstruit, à partir du journal, le classeur de la dernière session de journal tableur écrite dans FILE, tel que son arrêt l'aurait enregistré.</translation>
    </message>
    <message>
      <source>The workbook's file name.</source>
      <translation>Le nom de fichier du classeur.</translation>
    </message>
    <message>
      <source>Write the workbook here (default: FILE, if it does not exist).</source>
      <translation>Écrire le classeur ici (par défaut : FILE, s'il n'existe pas).</translation>
    </message>
    <message>
      <source>Rebuild from a journal that does not verify.</source>
      <translation>Reconstruire à partir d'un journal qui ne se vérifie pas.</translation>
    </message>
    <message>
      <source>%1 exists: give --output OUT for the rebuilt workbook</source>
      <translation>%1 existe : indiquez --output OUT pour le classeur reconstruit</translation>
    </message>
    <message>
      <source>Write the PDF to FILE.</source>
      <translation>Écrire le PDF dans FILE.</translation>
    </message>
    <message>
      <source>takes --pdf FILE</source>
      <translation>prend --pdf FILE</translation>
    </message>
    <message>
      <source>Prints the weighing ticket of one record to a PDF file, with the journal's check result; a record the check does not vouch for is refused unless --unverified is given, and then marked.</source>
      <translation>Imprime le ticket de pesée d'un enregistrement dans un fichier PDF, avec le résultat de la vérification du journal ; un enregistrement dont la vérification ne répond pas est refusé sans --unverified, et marqué avec.</translation>
    </message>
    <message>
      <source>The record.</source>
      <translation>L'enregistrement.</translation>
    </message>
    <message>
      <source>Print a record the journal's check does not vouch for, marked UNVERIFIED.</source>
      <translation>Imprimer un enregistrement dont la vérification ne répond pas, marqué UNVERIFIED.</translation>
    </message>
    <message>
      <source>ticket takes --seq N, a record's seq</source>
      <translation>ticket prend --seq N, le numéro d'un enregistrement</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>aucun enregistrement %1 dans le journal</translation>
    </message>
    <message>
      <source>Prints a report of the records to a PDF file: a line a record, day subtotals and totals, the journal's check result on every page. A journal that fails its check gives a report marked UNVERIFIED, and exit code 1.</source>
      <translation>Imprime un rapport des enregistrements dans un fichier PDF : une ligne par enregistrement, sous-totaux par jour et totaux, le résultat de la vérification du journal sur chaque page. Un journal qui échoue à sa vérification donne un rapport marqué UNVERIFIED, et le code de sortie 1.</translation>
    </message>
    <message>
      <source>Only this station's records.</source>
      <translation>Seulement les enregistrements de cette station.</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Réglages</translation>
    </message>
    <message>
      <source>The station's verification key, for records of format 2 (default: beside the key, journal.verification-key).</source>
      <translation>La clé de vérification de la station, pour les enregistrements au format 2 (par défaut : à côté de la clé, journal.verification-key).</translation>
    </message>
    <message>
      <source>Writes the station's verification key (public: it checks records of format 2 and tickets, and seals nothing) and prints the station, the journal and the key's fingerprint, for a person to register and compare.</source>
      <translation>Écrit la clé de vérification de la station (publique : elle vérifie les enregistrements au format 2 et les tickets, et ne scelle rien) et affiche la station, le journal et l'empreinte de la clé, à enregistrer et comparer.</translation>
    </message>
    <message>
      <source>Write the key to FILE (default: only print).</source>
      <translation>Écrire la clé dans FILE (par défaut : seulement l'afficher).</translation>
    </message>
    <message>
      <source>the station's public key that checks its seals</source>
      <translation>la clé publique de la station qui vérifie ses sceaux</translation>
    </message>
    <message>
      <source>check a ticket's QR code with the verification key</source>
      <translation>vérifier le code QR d'un ticket avec la clé de vérification</translation>
    </message>
    <message>
      <source>the journal, and its central copy against it</source>
      <translation>le journal, et sa copie centrale comparée à lui</translation>
    </message>
    <message>
      <source>trust a station's verification key centrally</source>
      <translation>faire confiance centralement à la clé de vérification d'une station</translation>
    </message>
    <message>
      <source>The SQL that upgrades central tables of an earlier version (--from, default 1: keyed by station and seq) to this version, for their owner.</source>
      <translation>Le SQL qui met à niveau les tables centrales d'une version antérieure (--from, par défaut 1 : clé par station et seq) vers cette version, pour leur propriétaire.</translation>
    </message>
    <message>
      <source>Registers a station's verification key by its fingerprint in the central database, once a person has compared it with the station's: central checks trust only the verification keys registered.</source>
      <translation>Enregistre la clé de vérification d'une station par son empreinte dans la base centrale, une fois qu'une personne l'a comparée à celle de la station : les vérifications centrales ne font confiance qu'aux clés enregistrées.</translation>
    </message>
    <message>
      <source>The central database (postgresql:// URI).</source>
      <translation>La base de données centrale (URI postgresql://).</translation>
    </message>
    <message>
      <source>The station.</source>
      <translation>La station.</translation>
    </message>
    <message>
      <source>Its verification key's fingerprint.</source>
      <translation>L'empreinte de sa clé de vérification.</translation>
    </message>
    <message>
      <source>Also compare the journal with its copy in the central database (postgresql:// URI): every central record equal to the local one, the journal not shorter.</source>
      <translation>Comparer aussi le journal à sa copie dans la base centrale (URI postgresql://) : chaque enregistrement central égal au local, le journal pas plus court.</translation>
    </message>
    <message>
      <source>Checks a ticket's QR code offline, with the station's verification key alone: the code's text as an argument, or --image with a photo or scan of the ticket.</source>
      <translation>Vérifie hors ligne le code QR d'un ticket, avec la seule clé de vérification de la station : le texte du code en argument, ou --image avec une photo ou un scan du ticket.</translation>
    </message>
    <message>
      <source>A photo or scan of the ticket (PNG, JPEG).</source>
      <translation>Une photo ou un scan du ticket (PNG, JPEG).</translation>
    </message>
    <message>
      <source>--page-size takes A4, A5, A6, Letter or Roll80, not '%1'</source>
      <translation>--page-size prend A4, A5, A6, Letter ou Roll80, pas '%1'</translation>
    </message>
    <message>
      <source>none</source>
      <translation>aucun</translation>
    </message>
    <message>
      <source>one line per record, checked</source>
      <translation>une ligne par enregistrement, vérifiée</translation>
    </message>
    <message>
      <source>UNVERIFIED: not checked (--unchecked); every record is marked</source>
      <translation>UNVERIFIED : non vérifié (--unchecked) ; chaque enregistrement est marqué</translation>
    </message>
    <message>
      <source>UNVERIFIED: cannot check the journal (%1); every record is marked</source>
      <translation>UNVERIFIED : impossible de vérifier le journal (%1) ; chaque enregistrement est marqué</translation>
    </message>
    <message>
      <source>Lists the journal's records, after checking the journal: a record the check does not trust is marked UNVERIFIED.</source>
      <translation>Liste les enregistrements du journal après l'avoir vérifié : un enregistrement auquel la vérification ne se fie pas est marqué UNVERIFIED.</translation>
    </message>
    <message>
      <source>Lists without checking: every record is marked.</source>
      <translation>Liste sans vérifier : chaque enregistrement est marqué.</translation>
    </message>
    <message>
      <source>the station's clock is right after it moved far ahead: the monitor seals again</source>
      <translation>l'horloge de la station est juste après avoir beaucoup avancé : le moniteur scelle à nouveau</translation>
    </message>
    <message>
      <source>Confirms that the station's clock is right after it moved far ahead of the signing keys' last use: erases the secrets of every epoch before now, so that the monitor seals again once started again. Run it only once the clock was checked.</source>
      <translation>Confirme que l'horloge de la station est juste après avoir beaucoup avancé au-delà de la dernière utilisation des clés de signature : efface les secrets de chaque époque avant maintenant, pour que le moniteur scelle à nouveau une fois redémarré. À n'exécuter qu'une fois l'horloge vérifiée.</translation>
    </message>
    <message>
      <source>Copies the journal (SQLite's online backup, while the monitor records), its head and its verification key into DIR/&lt;journal id&gt;, checks the copy, and only then replaces the last backup there. The signing keys are never copied.</source>
      <translation>Copie le journal (sauvegarde en ligne de SQLite, pendant que le moniteur enregistre), sa tête et sa clé de vérification dans DIR/&lt;id du journal&gt;, vérifie la copie, et alors seulement remplace la dernière sauvegarde. Les clés de signature ne sont jamais copiées.</translation>
    </message>
    <message>
      <source>The backup folder DIR (default: the setting backup_folder); it must exist: a missing folder is a disk not mounted.</source>
      <translation>Le dossier de sauvegarde DIR (par défaut : le réglage backup_folder) ; il doit exister : un dossier absent est un disque non monté.</translation>
    </message>
    <message>
      <source>no backup folder: give --to DIR or set backup_folder</source>
      <translation>aucun dossier de sauvegarde : donnez --to DIR ou réglez backup_folder</translation>
    </message>
    <message>
      <source>backed up journal %1 (%2 records, checked intact) to %3</source>
      <translation>journal %1 sauvegardé (%2 enregistrements, vérifiés intacts) dans %3</translation>
    </message>
    <message>
      <source>Puts the backup in DIR/&lt;journal id&gt; back as the journal, once it checks intact with its own head and verification key; never over a journal.</source>
      <translation>Remet la sauvegarde de DIR/&lt;id du journal&gt; comme journal, une fois vérifiée intacte avec sa propre tête et sa clé de vérification ; jamais par-dessus un journal.</translation>
    </message>
    <message>
      <source>The backup's folder, DIR/&lt;journal id&gt;.</source>
      <translation>Le dossier de la sauvegarde, DIR/&lt;id du journal&gt;.</translation>
    </message>
    <message>
      <source>give the backup with --from DIR/ID</source>
      <translation>donnez la sauvegarde avec --from DIR/ID</translation>
    </message>
    <message>
      <source>restored journal %1 (%2 records, backed up %3) to %4</source>
      <translation>journal %1 restauré (%2 enregistrements, sauvegardés %3) dans %4</translation>
    </message>
    <message>
      <source>the station's key sealed %1 records after the backup: they are not in it; the monitor refuses to record until a person retires this journal with weighstation-records new-journal</source>
      <translation>la clé de la station a scellé %1 enregistrements après la sauvegarde : ils n'y sont pas ; le moniteur refuse d'enregistrer jusqu'à ce qu'une personne retire ce journal avec weighstation-records new-journal</translation>
    </message>
    <message>
      <source>a checked copy of the journal, its head and verification key in DIR/&lt;journal id&gt;</source>
      <translation>une copie vérifiée du journal, de sa tête et de sa clé de vérification dans DIR/&lt;id du journal&gt;</translation>
    </message>
    <message>
      <source>put a checked backup back where no journal is</source>
      <translation>remettre une sauvegarde vérifiée là où il n'y a pas de journal</translation>
    </message>
    <message>
      <source>registered the verification key %1 for station %2</source>
      <translation>clé de vérification %1 enregistrée pour la station %2</translation>
    </message>
    <message>
      <source>it is the verification key sent with journal %1</source>
      <translation>c'est la clé de vérification envoyée avec le journal %1</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of journal %2</source>
      <translation>la copie centrale concorde : %1 du journal %2</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of station %2 in journal %3</source>
      <translation>la copie centrale concorde : %1 de la station %2 dans le journal %3</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 enregistrement</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 enregistrements</translation>
    </message>
    <message>
      <source>exported %1 to %2 on %3 sheets</source>
      <translation>export de %1 vers %2 fait, sur %3 feuilles</translation>
    </message>
    <message>
      <source>exported %1 to %2</source>
      <translation>export de %1 vers %2 fait</translation>
    </message>
    <message>
      <source>rebuilt %1 rows of %2 into %3</source>
      <translation>%1 lignes de %2 reconstruites dans %3</translation>
    </message>
    <message>
      <source>retired journal %1:</source>
      <translation>journal %1 retiré :</translation>
    </message>
    <message>
      <source>the monitor starts a new journal with a new key at its next record</source>
      <translation>le moniteur commence un nouveau journal avec une nouvelle clé à son prochain enregistrement</translation>
    </message>
    <message>
      <source>seq %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>le n° %1 n'est pas imprimé : %2 (--unverified l'imprime marqué NON VÉRIFIÉ)</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2</source>
      <translation>ticket du n° %1 imprimé dans %2</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2 (marked UNVERIFIED)</source>
      <translation>ticket du n° %1 imprimé dans %2 (marqué NON VÉRIFIÉ)</translation>
    </message>
    <message>
      <source>station %1</source>
      <translation>station %1</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3</source>
      <translation>rapport (%1 : %2) imprimé dans %3</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3 (marked UNVERIFIED)</source>
      <translation>rapport (%1 : %2) imprimé dans %3 (marqué NON VÉRIFIÉ)</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' n'est pas une date (yyyy-MM-dd, éventuellement avec THH:mm[:ss])</translation>
    </message>
    <message>
      <source>Checks every record's mac, the chain, the sequence and the journal's end; with --central, a station's chain in the central database (without --station or --journal-id: every journal there, each by the key registered for its station).</source>
      <translation>Vérifie le MAC de chaque enregistrement, la chaîne, la séquence et la fin du journal ; avec --central, la chaîne d'une station dans la base centrale (sans --station ni --journal-id : chaque journal qui s'y trouve, chacun par la clé enregistrée pour sa station).</translation>
    </message>
    <message>
      <source>%1: %2 of %3 pages</source>
      <translation>%1 : %2 pages sur %3</translation>
    </message>
    <message>
      <source>copying</source>
      <translation>copie</translation>
    </message>
    <message>
      <source>restoring</source>
      <translation>restauration</translation>
    </message>
    <message>
      <source>the central database holds no records of journal %1</source>
      <translation>la base centrale ne contient aucun enregistrement du journal %1</translation>
    </message>
    <message>
      <source>the central database holds no records of station %1</source>
      <translation>la base centrale ne contient aucun enregistrement de la station %1</translation>
    </message>
    <message>
      <source>the central database holds no records</source>
      <translation>la base centrale ne contient aucun enregistrement</translation>
    </message>
    <message>
      <source>exported</source>
      <translation>exporté</translation>
    </message>
    <message>
      <source>--from takes a version from 1 to %1</source>
      <translation>--from prend une version de 1 à %1</translation>
    </message>
    <message>
      <source>central-register takes --station NAME and --fingerprint XXXX-XXXX-XXXX-XXXX (16 hex digits)</source>
      <translation>central-register demande --station NOM et --fingerprint XXXX-XXXX-XXXX-XXXX (16 chiffres hexadécimaux)</translation>
    </message>
    <message>
      <source>no verification key sent for station %1 matches it yet (%2); central checks trust it once the station ships records sealed with it</source>
      <translation>aucune clé de vérification envoyée pour la station %1 ne correspond encore (%2) ; les vérifications centrales s'y fient dès que la station envoie des enregistrements scellés avec elle</translation>
    </message>
    <message>
      <source>none was sent</source>
      <translation>aucune n'a été envoyée</translation>
    </message>
    <message>
      <source>sent: %1</source>
      <translation>envoyées : %1</translation>
    </message>
    <message>
      <source>verify --central checks every journal by the verification key registered for its station; with a key or a journal of your own it takes --station NAME or --journal-id ID: a chain is a journal's</source>
      <translation>verify --central vérifie chaque journal par la clé de vérification enregistrée pour sa station ; avec une clé ou un journal à vous, il demande --station NOM ou --journal-id ID : une chaîne est celle d'un journal</translation>
    </message>
    <message>
      <source>checking: %1 of %2 records</source>
      <translation>vérification : %1 enregistrements sur %2</translation>
    </message>
    <message>
      <source>... and %1 more problems</source>
      <translation>... et %1 autres problèmes</translation>
    </message>
    <message>
      <source>the journal does not verify (%1); nothing %2 (--unverified writes it marked as unverified)</source>
      <translation>le journal ne se vérifie pas (%1) ; rien n'est %2 (--unverified l'écrit marqué non vérifié)</translation>
    </message>
    <message>
      <source>exporting: %1 of %2 records (%3%)</source>
      <translation>export : %1 enregistrements sur %2 (%3 %)</translation>
    </message>
    <message>
      <source>rebuilt</source>
      <translation>reconstruit</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
      <source>the clock (%1) is outside the signing keys' run; nothing erased</source>
      <translation>l'horloge (%1) est hors de la période des clés de signature ; rien d'effacé</translation>
    </message>
    <message>
      <source>unknown command '%1' (try --help)</source>
      <translation>commande inconnue '%1' (voir --help)</translation>
    </message>
    <message>
      <source>the weighing desk's transactions: single, tare, stored-tare, open, close, void, correct, list</source>
      <translation>les transactions du poste de pesée : single, tare, stored-tare, open, close, void, correct, list</translation>
    </message>
    <message>
      <source>the desk's vehicles, customers and products; CSV in and out</source>
      <translation>les véhicules, clients et produits du poste ; CSV en entrée et en sortie</translation>
    </message>
    <message>
      <source>The vehicle's registration.</source>
      <translation>L'immatriculation du véhicule.</translation>
    </message>
    <message>
      <source>The vehicle's container (its stored tare's).</source>
      <translation>Le conteneur du véhicule (celui de sa tare enregistrée).</translation>
    </message>
    <message>
      <source>The customer.</source>
      <translation>Le client.</translation>
    </message>
    <message>
      <source>The product.</source>
      <translation>Le produit.</translation>
    </message>
    <message>
      <source>The haulier.</source>
      <translation>Le transporteur.</translation>
    </message>
    <message>
      <source>The order or reference number.</source>
      <translation>Le numéro de commande ou de référence.</translation>
    </message>
    <message>
      <source>A first weighing's direction: in or out.</source>
      <translation>Le sens d'une première pesée : in (entrée) ou out (sortie).</translation>
    </message>
    <message>
      <source>The operator (a supervisor to void or correct).</source>
      <translation>L'opérateur (un superviseur pour annuler ou corriger).</translation>
    </message>
    <message>
      <source>A note on the transaction.</source>
      <translation>Une remarque sur la transaction.</translation>
    </message>
    <message>
      <source>The second weighing's interim ticket code, or its registration.</source>
      <translation>Le code du ticket provisoire de la seconde pesée, ou son immatriculation.</translation>
    </message>
    <message>
      <source>Why a transaction is voided or corrected.</source>
      <translation>Pourquoi une transaction est annulée ou corrigée.</translation>
    </message>
    <message>
      <source>gross %1 tare %2 net %3 %4</source>
      <translation>brut %1 tare %2 net %3 %4</translation>
    </message>
    <message>
      <source>tare %1 %2 until %3</source>
      <translation>tare %1 %2 jusqu'au %3</translation>
    </message>
    <message>
      <source>on transaction %1</source>
      <translation>sur la transaction %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transaction %1)</translation>
    </message>
    <message>
      <source>replaced by transaction %1</source>
      <translation>remplacée par la transaction %1</translation>
    </message>
    <message>
      <source>closed by transaction %1</source>
      <translation>close par la transaction %1</translation>
    </message>
    <message>
      <source>on site, interim ticket %1</source>
      <translation>sur site, ticket provisoire %1</translation>
    </message>
    <message>
      <source>Seals a weighing desk's transaction on the journal's records, or lists them. ACTION: single, tare (store a vehicle's tare), stored-tare, open (a first weighing), close (its second), void, correct, list. Weights are never typed: they follow from the records.</source>
      <translation>Scelle une transaction du poste de pesée sur les enregistrements du journal, ou les liste. ACTION : single, tare (enregistrer la tare d'un véhicule), stored-tare, open (une première pesée), close (sa seconde), void, correct, list. Les poids ne sont jamais saisis : ils découlent des enregistrements.</translation>
    </message>
    <message>
      <source>What to do.</source>
      <translation>Ce qu'il faut faire.</translation>
    </message>
    <message>
      <source>The record (its seq) weighed.</source>
      <translation>L'enregistrement pesé (son numéro).</translation>
    </message>
    <message>
      <source>The transaction to void or correct.</source>
      <translation>La transaction à annuler ou corriger.</translation>
    </message>
    <message>
      <source>List only the vehicles on site.</source>
      <translation>Ne lister que les véhicules sur site.</translation>
    </message>
    <message>
      <source>%1 needs --transaction SEQ</source>
      <translation>%1 demande --transaction SEQ</translation>
    </message>
    <message>
      <source>%1 needs --record SEQ</source>
      <translation>%1 demande --record SEQ</translation>
    </message>
    <message>
      <source>no action %1 (try --help)</source>
      <translation>pas d'action %1 (essayez --help)</translation>
    </message>
    <message>
      <source>The weighing desk's vehicles, customers and products. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, a header line of the columns first).</source>
      <translation>Les véhicules, clients et produits du poste de pesée. TABLE : vehicles, customers, products. ACTION : list, add VALUES..., remove KEY, import FILE, export FILE (CSV, d'abord une ligne d'en-tête des colonnes).</translation>
    </message>
    <message>
      <source>The table.</source>
      <translation>La table.</translation>
    </message>
    <message>
      <source>no table %1: vehicles, customers or products</source>
      <translation>pas de table %1 : vehicles, customers ou products</translation>
    </message>
    <message>
      <source>%1 rows of %2 imported</source>
      <translation>%1 lignes de %2 importées</translation>
    </message>
    <message>
      <source>a transaction's ticket, as a PDF</source>
      <translation>le ticket d'une transaction, en PDF</translation>
    </message>
    <message>
      <source>Prints the ticket of a weighing desk's transaction to a PDF file, with the journal's check result; refused when the journal fails its check unless --unverified is given, and then marked.</source>
      <translation>Imprime le ticket d'une transaction du poste de pesée dans un fichier PDF, avec le résultat du contrôle du journal ; refusé si le journal échoue à son contrôle, sauf avec --unverified, et alors marqué.</translation>
    </message>
    <message>
      <source>The transaction.</source>
      <translation>La transaction.</translation>
    </message>
    <message>
      <source>Print it though the journal fails its check, marked UNVERIFIED.</source>
      <translation>L'imprimer même si le journal échoue à son contrôle, marqué UNVERIFIED.</translation>
    </message>
    <message>
      <source>transaction-ticket takes --transaction N</source>
      <translation>transaction-ticket prend --transaction N</translation>
    </message>
    <message>
      <source>transaction %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>la transaction %1 n'est pas imprimée : %2 (--unverified l'imprime marquée UNVERIFIED)</translation>
    </message>
    <message>
      <source>no transaction %1 in the journal</source>
      <translation>pas de transaction %1 dans le journal</translation>
    </message>
    <message>
      <source>printed the ticket of transaction %1 to %2</source>
      <translation>ticket de la transaction %1 imprimé dans %2</translation>
    </message>
    <message>
      <source>the transactions per shift, day, customer, product or vehicle</source>
      <translation>les transactions par équipe, jour, client, produit ou véhicule</translation>
    </message>
    <message>
      <source>A report of the weighing desk's transactions: per shift, day, customer, product or vehicle, each group's count and net sums per unit, the voided and replaced ones apart; as a PDF (with the journal's check result) or a CSV or .xlsx table.</source>
      <translation>Un rapport des transactions du poste de pesée : par équipe, jour, client, produit ou véhicule, le nombre et les sommes nettes par unité de chaque groupe, les annulées et remplacées à part ; en PDF (avec le résultat du contrôle du journal) ou en tableau CSV ou .xlsx.</translation>
    </message>
    <message>
      <source>shift, day (the default), customer, product or vehicle.</source>
      <translation>shift, day (par défaut), customer, product ou vehicle.</translation>
    </message>
    <message>
      <source>Write a CSV table to FILE.</source>
      <translation>Écrire un tableau CSV dans FILE.</translation>
    </message>
    <message>
      <source>Write an .xlsx table to FILE.</source>
      <translation>Écrire un tableau .xlsx dans FILE.</translation>
    </message>
    <message>
      <source>--by takes shift, day, customer, product or vehicle, not '%1'</source>
      <translation>--by prend shift, day, customer, product ou vehicle, pas « %1 »</translation>
    </message>
    <message>
      <source>desk_shifts is not a list of times HH:mm: '%1'</source>
      <translation>desk_shifts n'est pas une liste d'heures HH:mm : « %1 »</translation>
    </message>
    <message>
      <source>wrote %1 to %2</source>
      <translation>%1 écrit dans %2</translation>
    </message>
    <message>
      <source>The version of the tables to upgrade (1 to 4).</source>
      <translation>La version des tables à mettre à niveau (1 à 4).</translation>
    </message>
  </context>
  <context>
    <name>Settings</name>
    <message>
      <source>not a whole number</source>
      <translation>pas un nombre entier</translation>
    </message>
    <message>
      <source>not from %1 to %2</source>
      <translation>pas de %1 à %2</translation>
    </message>
    <message>
      <source>not a file name</source>
      <translation>pas un nom de fichier</translation>
    </message>
    <message>
      <source>not an absolute path (start it with / or ~/)</source>
      <translation>pas un chemin absolu (commencez-le par / ou ~/)</translation>
    </message>
    <message>
      <source>not a setting (key = value)</source>
      <translation>pas un réglage (clé = valeur)</translation>
    </message>
    <message>
      <source>holds a NUL byte; it is not used</source>
      <translation>contient un octet NUL ; il n'est pas utilisé</translation>
    </message>
    <message>
      <source>a quote is left open; it is not used</source>
      <translation>un guillemet reste ouvert ; il n'est pas utilisé</translation>
    </message>
    <message>
      <source>%1: %2; its settings are not used</source>
      <translation>%1 : %2 ; ses réglages ne sont pas utilisés</translation>
    </message>
    <message>
      <source>a link to nothing (or a loop of links)</source>
      <translation>un lien vers rien (ou une boucle de liens)</translation>
    </message>
    <message>
      <source>cannot be read</source>
      <translation>ne peut pas être lu</translation>
    </message>
    <message>
      <source>not a plain file</source>
      <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
      <source>larger than a settings file (1 MiB)</source>
      <translation>plus grand qu'un fichier de réglages (1 Mio)</translation>
    </message>
    <message>
      <source>; the %1 is used</source>
      <translation>; %1 est utilisé</translation>
    </message>
    <message>
      <source>default</source>
      <translation>la valeur par défaut</translation>
    </message>
    <message>
      <source>default (%1)</source>
      <translation>la valeur par défaut (%1)</translation>
    </message>
    <message>
      <source>%1: cannot be read; its settings are not used</source>
      <translation>%1 : ne peut pas être lu ; ses réglages ne sont pas utilisés</translation>
    </message>
    <message>
      <source>%1: not a settings file (lines of key = value); its settings are not used</source>
      <translation>%1 : pas un fichier de réglages (lignes clé = valeur) ; ses réglages ne sont pas utilisés</translation>
    </message>
    <message>
      <source>%1: %2 = "%3": no such setting; it is not used</source>
      <translation>%1 : %2 = "%3" : aucun réglage de ce nom ; il n'est pas utilisé</translation>
    </message>
    <message>
      <source>%1 = "%2": no such setting; it is not used</source>
      <translation>%1 = "%2" : aucun réglage de ce nom ; il n'est pas utilisé</translation>
    </message>
  </context>
  <context>
    <name>Verifier</name>
    <message>
      <source>seq %1: missing</source>
      <translation>n° %1 : manquant</translation>
    </message>
    <message>
      <source>seq %1: missing, and the %2 after it</source>
      <translation>n° %1 : manquant, ainsi que les %2 suivants</translation>
    </message>
    <message>
      <source>seq %1: its mac does not match its contents and the record before (changed, moved, inserted or sealed with another key)</source>
      <translation>n° %1 : son MAC ne correspond pas à son contenu et à l'enregistrement précédent (modifié, déplacé, inséré ou scellé avec une autre clé)</translation>
    </message>
    <message>
      <source>seq %1: its seal is not a seal of format 2 (%2)</source>
      <translation>n° %1 : son sceau n'est pas un sceau du format 2 (%2)</translation>
    </message>
    <message>
      <source>seq %1: its seal does not match its contents and the record before (changed, moved or inserted)</source>
      <translation>n° %1 : son sceau ne correspond pas à son contenu et à l'enregistrement précédent (modifié, déplacé ou inséré)</translation>
    </message>
    <message>
      <source>seq %1: sealed in epoch %2 after a record of epoch %3 (an epoch never goes back)</source>
      <translation>n° %1 : scellé à l'époque %2 après un enregistrement de l'époque %3 (une époque ne recule jamais)</translation>
    </message>
    <message>
      <source>seq %1: its epoch %2 has no key certified by the verification key</source>
      <translation>n° %1 : son époque %2 n'a pas de clé certifiée par la clé de vérification</translation>
    </message>
    <message>
      <source>seq %1: dated %2, outside its sealing epoch %3 (%4 to %5): sealed later than its time, or the station's clock went back</source>
      <translation>n° %1 : daté du %2, hors de son époque de scellement %3 (%4 à %5) : scellé après son heure, ou l'horloge de la station a reculé</translation>
    </message>
    <message>
      <source>seq %1: its signature does not match (forged, changed, or sealed with another station's keys)</source>
      <translation>n° %1 : sa signature ne correspond pas (falsifié, modifié ou scellé avec les clés d'une autre station)</translation>
    </message>
    <message>
      <source>the head %1 is not signed by a key of the journal's epochs</source>
      <translation>le témoin de fin %1 n'est pas signé par une clé des époques du journal</translation>
    </message>
    <message>
      <source>the head %1 witnesses another journal</source>
      <translation>le témoin de fin %1 atteste un autre journal</translation>
    </message>
    <message>
      <source>seq %1: missing at the end: the journal ends at seq %2, its head witnessed seq %3 (records removed, or an older copy put back)</source>
      <translation>n° %1 : manquant à la fin : le journal finit au n° %2, son témoin de fin attestait le n° %3 (enregistrements retirés, ou copie plus ancienne remise)</translation>
    </message>
    <message>
      <source>seq %1: not the record its head witnessed</source>
      <translation>n° %1 : pas l'enregistrement que son témoin de fin attestait</translation>
    </message>
    <message>
      <source>the %1 cannot be read: %2</source>
      <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
      <source>%4 %1: %2 in %3, a value of the wrong kind</source>
      <translation>%4 %1 : %2 dans %3, une valeur du mauvais type</translation>
    </message>
    <message>
      <source>the text log notes cannot be read: %1</source>
      <translation>les notes du journal texte ne peuvent pas être lues : %1</translation>
    </message>
    <message>
      <source>seq %1: its text log note's signature does not match</source>
      <translation>n° %1 : la signature de sa note du journal texte ne correspond pas</translation>
    </message>
    <message>
      <source>seq %1: its text log note does not match</source>
      <translation>n° %1 : sa note du journal texte ne correspond pas</translation>
    </message>
    <message>
      <source>the journal's schema cannot be read: %1</source>
      <translation>le schéma du journal ne peut pas être lu : %1</translation>
    </message>
    <message>
      <source>the journal's schema defines the %1 %2 otherwise than a journal's: %3</source>
      <translation>le schéma du journal définit %1 %2 autrement que celui d'un journal : %3</translation>
    </message>
    <message>
      <source>the journal's schema holds a %1 %2 that is not a journal's</source>
      <translation>le schéma du journal contient %1 %2 qui n'est pas d'un journal</translation>
    </message>
    <message>
      <source>the journal's records cannot be read: %1</source>
      <translation>les enregistrements du journal ne peuvent pas être lus : %1</translation>
    </message>
    <message>
      <source>a row of %1 outside the journal's sequence, at seq %2</source>
      <translation>une ligne de %1 hors de la séquence du journal, au n° %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note is missing</source>
      <translation>n° %1 : sa note du journal texte manque</translation>
    </message>
    <message>
      <source>the epoch keys cannot be read: %1</source>
      <translation>les clés d'époque ne peuvent pas être lues : %1</translation>
    </message>
    <message>
      <source>epoch key %1 is not certified by the verification key %2 (station %3)</source>
      <translation>la clé d'époque %1 n'est pas certifiée par la clé de vérification %2 (station %3)</translation>
    </message>
    <message>
      <source>the journal's identity cannot be read: %1</source>
      <translation>l'identité du journal ne peut pas être lue : %1</translation>
    </message>
    <message>
      <source>the journal names another verification key than the one given (%1)</source>
      <translation>le journal nomme une autre clé de vérification que celle donnée (%1)</translation>
    </message>
    <message>
      <source>the transition from format 1 cannot be read: %1</source>
      <translation>la transition depuis le format 1 ne peut pas être lue : %1</translation>
    </message>
    <message>
      <source>the transition to format 2 after seq %1 is not sealed with format 1's key</source>
      <translation>la transition vers le format 2 après le n° %1 n'est pas scellée avec la clé du format 1</translation>
    </message>
    <message>
      <source>the transition to format 2 names the verification key %1, not the one given (%2)</source>
      <translation>la transition vers le format 2 nomme la clé de vérification %1, pas celle donnée (%2)</translation>
    </message>
    <message>
      <source>the journal has more than one transition from format 1</source>
      <translation>le journal a plus d'une transition depuis le format 1</translation>
    </message>
    <message>
      <source>seq %1: the journal says it is of format %2, but its verification key seals every record after seq %3 in format 2</source>
      <translation>n° %1 : le journal se dit du format %2, mais sa clé de vérification scelle chaque enregistrement après le n° %3 au format 2</translation>
    </message>
    <message>
      <source>the journal's transition from format 1 is after seq %1, but its verification key binds it after seq %2</source>
      <translation>la transition du journal depuis le format 1 est après le n° %1, mais sa clé de vérification la fixe après le n° %2</translation>
    </message>
    <message>
      <source>the key also sealed %1 of journal %2 (head %3): a journal of this key is missing or was replaced</source>
      <translation>la clé a aussi scellé %1 du journal %2 (témoin de fin %3) : un journal de cette clé manque ou a été remplacé</translation>
    </message>
    <message>
      <source>the check did not finish</source>
      <translation>la vérification ne s'est pas terminée</translation>
    </message>
    <message>
      <source>it fails its check</source>
      <translation>il échoue à sa vérification</translation>
    </message>
    <message>
      <source>no key at %1</source>
      <translation>aucune clé à %1</translation>
    </message>
    <message>
      <source>seq %1</source>
      <translation>n° %1</translation>
    </message>
    <message>
      <source>seq %1..%2</source>
      <translation>n° %1..%2</translation>
    </message>
    <message>
      <source>the journal cannot be read: %1</source>
      <translation>le journal ne peut pas être lu : %1</translation>
    </message>
    <message>
      <source>the journal's file is damaged: %1</source>
      <translation>le fichier du journal est endommagé : %1</translation>
    </message>
    <message>
      <source>%1: format 1, with the key %2</source>
      <translation>%1 : format 1, avec la clé %2</translation>
    </message>
    <message>
      <source>%1: format 2, with the verification key %2 (station %3)</source>
      <translation>%1 : format 2, avec la clé de vérification %2 (station %3)</translation>
    </message>
    <message>
      <source>records of format 1 are checked with its key: %1</source>
      <translation>les enregistrements du format 1 se vérifient avec sa clé : %1</translation>
    </message>
    <message>
      <source>cancelled</source>
      <translation>annulé</translation>
    </message>
    <message>
      <source>seq %1: out of its place, after seq %2</source>
      <translation>n° %1 : hors de sa place, après le n° %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note, which the head witnessed, is missing or changed</source>
      <translation>n° %1 : sa note du journal texte, attestée par le témoin de fin, manque ou a été modifiée</translation>
    </message>
    <message>
      <source>transaction %1, which the head witnessed, is missing or changed</source>
      <translation>la transaction %1, attestée par la tête, manque ou a été modifiée</translation>
    </message>
    <message>
      <source>the journal's transactions cannot be read: %1</source>
      <translation>les transactions du journal ne peuvent pas être lues : %1</translation>
    </message>
    <message>
      <source>transaction %1: a value of the wrong kind</source>
      <translation>transaction %1 : une valeur du mauvais type</translation>
    </message>
    <message>
      <source>transaction %1: %2</source>
      <translation>transaction %1 : %2</translation>
    </message>
  </context>
  <context>
    <name>Viewer</name>
    <message>
      <source>No records match</source>
      <translation>Aucun enregistrement ne correspond</translation>
    </message>
    <message>
      <source>Totals of the newest %1 of %2 records</source>
      <translation>Totaux des %1 plus récents sur %2 enregistrements</translation>
    </message>
    <message>
      <source>Totals of %1 records</source>
      <translation>Totaux de %1 enregistrements</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. haute</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. basse</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Total (%1)</source>
      <translation>Total (%1)</translation>
    </message>
    <message>
      <source>%1 (%2): %3, last shipped %4%5</source>
      <translation>%1 (%2) : %3, dernier envoyé %4%5</translation>
    </message>
    <message>
      <source>all shipped</source>
      <translation>tout envoyé</translation>
    </message>
    <message>
      <source>%1 records waiting</source>
      <translation>%1 enregistrements en attente</translation>
    </message>
    <message>
      <source>, %1 problems (see the monitor's output)</source>
      <translation>, %1 problèmes (voir la sortie du moniteur)</translation>
    </message>
    <message>
      <source>Central records</source>
      <translation>Enregistrements centraux</translation>
    </message>
    <message>
      <source>Checking the journal...</source>
      <translation>Vérification du journal...</translation>
    </message>
    <message>
      <source>Journal intact: %1 records</source>
      <translation>Journal intact : %1 enregistrements</translation>
    </message>
    <message>
      <source>Journal broken at seq %1: %2</source>
      <translation>Journal altéré au n° %1 : %2</translation>
    </message>
    <message>
      <source>Journal broken: %1</source>
      <translation>Journal altéré : %1</translation>
    </message>
    <message>
      <source>Journal not checked: %1</source>
      <translation>Journal non vérifié : %1</translation>
    </message>
    <message>
      <source>Weigh Station Records</source>
      <translation>Station de pesage – enregistrements</translation>
    </message>
    <message>
      <source>Records</source>
      <translation>Enregistrements</translation>
    </message>
    <message>
      <source>The selected record's text log block</source>
      <translation>Le bloc du journal texte de l'enregistrement choisi</translation>
    </message>
    <message>
      <source>From</source>
      <translation>Du</translation>
    </message>
    <message>
      <source>To</source>
      <translation>Au</translation>
    </message>
    <message>
      <source>Text in the total line or the record</source>
      <translation>Texte de la ligne du total ou de l'enregistrement</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Exporter en CSV...</translation>
    </message>
    <message>
      <source>Export xlsx...</source>
      <translation>Exporter en xlsx...</translation>
    </message>
    <message>
      <source>Print Ticket...</source>
      <translation>Imprimer le ticket...</translation>
    </message>
    <message>
      <source>Save Ticket as PDF...</source>
      <translation>Enregistrer le ticket en PDF...</translation>
    </message>
    <message>
      <source>Print Report...</source>
      <translation>Imprimer le rapport...</translation>
    </message>
    <message>
      <source>Save Report as PDF...</source>
      <translation>Enregistrer le rapport en PDF...</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Quitter</translation>
    </message>
    <message>
      <source>counting...</source>
      <translation>comptage...</translation>
    </message>
    <message>
      <source>cannot count the records</source>
      <translation>impossible de compter les enregistrements</translation>
    </message>
    <message>
      <source>%1 cancelled: nothing written</source>
      <translation>%1 annulé : rien d'écrit</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Export</translation>
    </message>
    <message>
      <source>%1

Export the records marked as UNVERIFIED?</source>
      <translation>%1

Exporter les enregistrements marqués UNVERIFIED ?</translation>
    </message>
    <message>
      <source>Export records</source>
      <translation>Exporter les enregistrements</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Excel files (*.xlsx)</source>
      <translation>Fichiers Excel (*.xlsx)</translation>
    </message>
    <message>
      <source>Exporting records to %1...</source>
      <translation>Export des enregistrements vers %1...</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Exported %1 records to %2</source>
      <translation>%1 enregistrements exportés vers %2</translation>
    </message>
    <message>
      <source>Ticket</source>
      <translation>Ticket</translation>
    </message>
    <message>
      <source>%1.

Print the ticket of seq %2 marked as UNVERIFIED?</source>
      <translation>%1.

Imprimer le ticket du n° %2 marqué UNVERIFIED ?</translation>
    </message>
    <message>
      <source>Select a record first.</source>
      <translation>Choisissez d'abord un enregistrement.</translation>
    </message>
    <message>
      <source>Save ticket</source>
      <translation>Enregistrer le ticket</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Save report</source>
      <translation>Enregistrer le rapport</translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Rapport</translation>
    </message>
    <message>
      <source>, refused: seq %1 (tried again at each start)</source>
      <translation>, refusés : n° %1 (réessayés à chaque démarrage)</translation>
    </message>
    <message>
      <source>Journal records intact: %1 records; its end not witnessed (%2)</source>
      <translation>Enregistrements du journal intacts : %1 enregistrements ; sa fin non attestée (%2)</translation>
    </message>
    <message>
      <source>%1 (%2): not yet shipped: %3 records, last try: %4</source>
      <translation>%1 (%2) : pas encore envoyés : %3 enregistrements, dernier essai : %4</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>N°</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>Date et heure</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Station</translation>
    </message>
    <message>
      <source>Scale %1 gross</source>
      <translation>Balance %1 brut</translation>
    </message>
    <message>
      <source>Scale %1 net</source>
      <translation>Balance %1 net</translation>
    </message>
    <message>
      <source>Scale %1 tare</source>
      <translation>Balance %1 tare</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 enregistrement</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 enregistrements</translation>
    </message>
    <message>
      <source>%1, summed %2</source>
      <translation>%1, somme %2</translation>
    </message>
  </context>
</TS>
