<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutView</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Real-time signal monitoring</source>
        <translation>Surveillance du signal en temps réel</translation>
    </message>
    <message>
        <source>Latency &amp; packet loss tracking</source>
        <translation>Suivi de la latence et des pertes</translation>
    </message>
    <message>
        <source>Network analysis &amp; recommendations</source>
        <translation>Analyse réseau et conseils</translation>
    </message>
    <message>
        <source>Smart connection alerts</source>
        <translation>Alertes de connexion intelligentes</translation>
    </message>
    <message>
        <source>Built with Qt</source>
        <translation>Conçu avec Qt</translation>
    </message>
    <message>
        <source>Made for the Linux desktop</source>
        <translation>Fait pour le bureau Linux</translation>
    </message>
</context>
<context>
    <name>ActivityIndicator</name>
    <message>
        <source>Working</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>AdditionalInfoRow</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>AppActions</name>
    <message>
        <source>Open Linkmeter</source>
        <translation>Ouvrir Linkmeter</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Rechercher des mises à jour...</translation>
    </message>
    <message>
        <source>Pause Monitoring</source>
        <translation>Suspendre la surveillance</translation>
    </message>
    <message>
        <source>Resume Monitoring</source>
        <translation>Reprendre la surveillance</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>À propos de Linkmeter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>BandwidthView</name>
    <message>
        <source>BANDWIDTH</source>
        <translation>DÉBIT</translation>
    </message>
    <message>
        <source>Real-time</source>
        <translation>Temps réel</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
</context>
<context>
    <name>CaptivePortalBanner</name>
    <message>
        <source>Captive Portal Detected</source>
        <translation>Portail captif détecté</translation>
    </message>
    <message>
        <source>This network requires login. Open a browser to authenticate.</source>
        <translation>Ce réseau demande une identification. Ouvrez un navigateur pour vous connecter.</translation>
    </message>
    <message>
        <source>Open Login Page</source>
        <translation>Ouvrir la page de connexion</translation>
    </message>
</context>
<context>
    <name>Channel2GHzChart</name>
    <message>
        <source>Networks per 2.4 GHz channel</source>
        <translation>Réseaux par canal 2,4 GHz</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Réseaux</translation>
    </message>
</context>
<context>
    <name>Channel5GHzChart</name>
    <message>
        <source>Networks per 5 GHz channel group</source>
        <translation>Réseaux par groupe de canaux 5 GHz</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Groupe de canaux</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Réseaux</translation>
    </message>
</context>
<context>
    <name>ChannelBarChart</name>
    <message>
        <source>No networks</source>
        <translation>Aucun réseau</translation>
    </message>
    <message>
        <source>%1: 1 network</source>
        <extracomment>One bar of a channel chart, read out by screen readers: &quot;6: 3 networks&quot;</extracomment>
        <translation>%1&#x202f;: 1 réseau</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n networks</source>
        <translation>
            <numerusform>%1&#x202f;: %n réseau</numerusform>
            <numerusform>%1&#x202f;: %n réseaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelGraphView</name>
    <message>
        <source>Channel Usage</source>
        <translation>Occupation des canaux</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>2.4 GHz</source>
        <translation>2,4 GHz</translation>
    </message>
    <message>
        <source>5 GHz</source>
        <translation>5 GHz</translation>
    </message>
    <message>
        <source>Scan networks to see channel usage</source>
        <translation>Analysez les réseaux pour voir l&apos;occupation des canaux</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Peu chargé</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Crowded</source>
        <translation>Encombré</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendation</name>
    <message>
        <source>No networks detected - optimal choice</source>
        <translation>Aucun réseau détecté – choix idéal</translation>
    </message>
    <message>
        <source>1 weak network - good choice</source>
        <translation>1 réseau faible – bon choix</translation>
    </message>
    <message>
        <source>%1 networks with moderate interference</source>
        <translation>%1 réseaux avec des interférences modérées</translation>
    </message>
    <message>
        <source>%1 networks - consider other channels</source>
        <translation>%1 réseaux – envisagez d’autres canaux</translation>
    </message>
    <message>
        <source>Congested - %1 networks detected</source>
        <translation>Saturé – %1 réseaux détectés</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendationsPresenter</name>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Ch %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>2.4 GHz</source>
        <translation>2,4 GHz</translation>
    </message>
    <message>
        <source>5 GHz</source>
        <translation>5 GHz</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendationsView</name>
    <message>
        <source>Recommended Channels</source>
        <translation>Canaux recommandés</translation>
    </message>
    <message>
        <source>Scan networks to get recommendations</source>
        <translation>Analysez les réseaux pour obtenir des recommandations</translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, any channel works well due to wider spacing.</source>
        <translation>En 2,4 GHz, les canaux 1, 6 et 11 ne se chevauchent pas. En 5 GHz, tous les canaux conviennent, car ils sont plus espacés.</translation>
    </message>
</context>
<context>
    <name>ChannelUsagePresenter</name>
    <message>
        <source>Recommended: Channels 36-48 or 149-165 (non-DFS)</source>
        <translation>Recommandé&#x202f;: canaux 36-48 ou 149-165 (hors DFS)</translation>
    </message>
    <message>
        <source>Recommended: Ch 1, 6, or 11 (non-overlapping)</source>
        <translation>Recommandé&#x202f;: canal 1, 6 ou 11 (sans chevauchement)</translation>
    </message>
</context>
<context>
    <name>ConnectionInfoView</name>
    <message>
        <source>The network name needs location access</source>
        <translation>Le nom du réseau nécessite l&apos;accès à la localisation</translation>
    </message>
    <message>
        <source>WIFI</source>
        <translation>WI-FI</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Grant location access to see network name</source>
        <translation>Autorisez la localisation pour voir le nom du réseau</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Not connected to Wi-Fi</source>
        <translation>Non connecté au Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ConnectionIssue</name>
    <message>
        <source>Can&apos;t reach the internet</source>
        <translation>Internet est inaccessible</translation>
    </message>
    <message>
        <source>This network needs you to sign in</source>
        <translation>Ce réseau demande de vous identifier</translation>
    </message>
    <message>
        <source>Signal is really weak here</source>
        <translation>Le signal est très faible ici</translation>
    </message>
    <message>
        <source>Signal could be stronger</source>
        <translation>Le signal pourrait être meilleur</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through</source>
        <translation>Certaines données ne passent pas</translation>
    </message>
    <message>
        <source>Internet is responding slowly</source>
        <translation>Internet répond lentement</translation>
    </message>
    <message>
        <source>Things are a bit sluggish</source>
        <translation>La connexion est un peu lente</translation>
    </message>
    <message>
        <source>Connection keeps changing</source>
        <translation>La connexion change sans cesse</translation>
    </message>
</context>
<context>
    <name>ConnectionQualityView</name>
    <message>
        <source>CONNECTION QUALITY</source>
        <translation>QUALITÉ DE CONNEXION</translation>
    </message>
</context>
<context>
    <name>DNSPreset</name>
    <message>
        <source>System Default</source>
        <translation>Valeur du système</translation>
    </message>
    <message>
        <source>Use router/ISP DNS</source>
        <translation>DNS du routeur ou du FAI</translation>
    </message>
    <message>
        <source>Fast, privacy-focused</source>
        <translation>Rapide, respecte la vie privée</translation>
    </message>
    <message>
        <source>Reliable public DNS</source>
        <translation>DNS public fiable</translation>
    </message>
    <message>
        <source>Security &amp; malware blocking</source>
        <translation>Sécurité et blocage des logiciels malveillants</translation>
    </message>
    <message>
        <source>Family-friendly options</source>
        <translation>Options de contrôle parental</translation>
    </message>
    <message>
        <source>Ad &amp; tracker blocking</source>
        <translation>Blocage des publicités et traqueurs</translation>
    </message>
</context>
<context>
    <name>DNSSection</name>
    <message>
        <source>DNS Servers</source>
        <translation>Serveurs DNS</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
</context>
<context>
    <name>DNSView</name>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Name Lookup</source>
        <translation>Résolution de noms</translation>
    </message>
</context>
<context>
    <name>DiagnosticsCards</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>A response time; %1 is the number of whole milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No ping was lost.</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The share of lost pings; %1 is the percentage.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>PHY Mode</source>
        <translation>Mode PHY</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>SNR</translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <extracomment>A transfer rate in megabytes per second; %1 is the number.</extracomment>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <extracomment>A transfer rate in kilobytes per second; %1 is the number.</extracomment>
        <translation>%1 ko/s</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <extracomment>A transfer rate in bytes per second; %1 is the number.</extracomment>
        <translation>%1 o/s</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latence</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Gigue</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Stabilité</translation>
    </message>
    <message>
        <source>%1 Gbps</source>
        <extracomment>A speed-test rate in gigabits per second; %1 is the number.</extracomment>
        <translation>%1 Gbps</translation>
    </message>
    <message>
        <source>%1 Mbps</source>
        <extracomment>A speed-test rate in megabits per second; %1 is the number.</extracomment>
        <translation>%1 Mbps</translation>
    </message>
    <message>
        <source>Under load: not measured</source>
        <translation>En charge&#x202f;: non mesuré</translation>
    </message>
    <message>
        <source>Under load: no answer to the pings</source>
        <translation>En charge&#x202f;: aucune réponse aux pings</translation>
    </message>
    <message>
        <source>Under load: +%1 ms</source>
        <extracomment>The response time the speed test&apos;s load added; %1 is the number of milliseconds.</extracomment>
        <translation>En charge&#x202f;: +%1 ms</translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Run Speed Test</source>
        <translation>Tester le débit</translation>
    </message>
    <message>
        <source>Testing Download...</source>
        <translation>Test de réception...</translation>
    </message>
    <message>
        <source>Testing Upload...</source>
        <translation>Test d&apos;envoi...</translation>
    </message>
    <message>
        <source>(%1)</source>
        <extracomment>The number of tips, beside the folded tips header.</extracomment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops or starts the measurements.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instable</translation>
    </message>
    <message>
        <source>varying</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
</context>
<context>
    <name>DiagnosticsContentView</name>
    <message>
        <source>Status</source>
        <extracomment>Goes back from the diagnostics page to the status page.</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>DIAGNOSTICS</source>
        <translation>DIAGNOSTIC</translation>
    </message>
</context>
<context>
    <name>DiagnosticsScreenshotView</name>
    <message>
        <source>RECOMMENDATIONS</source>
        <translation>RECOMMANDATIONS</translation>
    </message>
</context>
<context>
    <name>DiagnosticsToolbar</name>
    <message>
        <source>Copy or export</source>
        <translation>Copier ou exporter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Copy Screenshot</source>
        <translation>Copier une capture</translation>
    </message>
    <message>
        <source>Copy Summary Text</source>
        <translation>Copier le résumé</translation>
    </message>
    <message>
        <source>Save Diagnostics CSV...</source>
        <translation>Enregistrer le diagnostic en CSV...</translation>
    </message>
    <message>
        <source>Save History CSV...</source>
        <translation>Enregistrer l&apos;historique en CSV...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Screenshot copied!</source>
        <translation>Capture copiée&#x202f;!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copié&#x202f;!</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <source>ROUTER</source>
        <translation>ROUTEUR</translation>
    </message>
    <message>
        <source>INTERNET</source>
        <translation>INTERNET</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsTab</name>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Network Monitoring</source>
        <translation>Surveillance du réseau</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Ping Interval</source>
        <translation>Intervalle de ping</translation>
    </message>
    <message>
        <source>Ping Target</source>
        <translation>Cible du ping</translation>
    </message>
    <message>
        <source>Captive Portal</source>
        <translation>Portail captif</translation>
    </message>
    <message>
        <source>Detect Captive Portals</source>
        <translation>Détecter les portails captifs</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Intervalle de vérification</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <source>Serve Metrics</source>
        <translation>Exposer les métriques</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Linkmeter helps you understand and improve your wireless network connection.

**Status View**
The main view shows your connection quality at a glance with signal bars and a score from 0-100. Green means excellent, yellow is fair, and red indicates issues.

**Diagnostics View**
Click &quot;Diagnostics&quot; for detailed metrics including ping times, packet loss, DNS performance, bandwidth usage, and nearby network analysis.

**Panel**
The app lives in your panel&apos;s tray. You can customize what&apos;s shown (ping time, quality score, etc.) in Settings.</source>
        <translation>Linkmeter vous aide à comprendre et à améliorer votre connexion sans fil.

**Vue d&apos;état**
La vue principale montre d&apos;un coup d&apos;œil la qualité de votre connexion, avec des barres de signal et un score de 0 à 100. Le vert indique une excellente qualité, le jaune une qualité correcte, et le rouge des problèmes.

**Vue Diagnostic**
Cliquez sur «&#x202f;Diagnostic&#x202f;» pour obtenir des mesures détaillées&#x202f;: temps de ping, perte de paquets, performances DNS, utilisation de la bande passante et analyse des réseaux à proximité.

**Panneau**
L&apos;application se trouve dans la zone de notification de votre panneau. Vous pouvez choisir ce qui y est affiché (temps de ping, score de qualité, etc.) dans les Paramètres.</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Puissance du signal</translation>
    </message>
    <message>
        <source>Signal strength is measured in dBm (decibels relative to a milliwatt). The closer to 0, the stronger the signal.

**Signal Levels:**
• Excellent: -30 to -50 dBm (4 bars)
• Good: -50 to -60 dBm (3 bars)
• Fair: -60 to -70 dBm (2 bars)
• Weak: -70 to -80 dBm (1 bar)
• Very Weak: Below -80 dBm (0 bars)

**What affects signal:**
• Distance from router
• Walls and obstacles
• Interference from other devices
• Router antenna orientation</source>
        <translation>La puissance du signal se mesure en dBm (décibels par rapport à un milliwatt). Plus la valeur est proche de 0, plus le signal est fort.

**Niveaux de signal&#x202f;:**
• Excellent&#x202f;: de -30 à -50 dBm (4 barres)
• Bon&#x202f;: de -50 à -60 dBm (3 barres)
• Moyen&#x202f;: de -60 à -70 dBm (2 barres)
• Faible&#x202f;: de -70 à -80 dBm (1 barre)
• Très faible&#x202f;: sous -80 dBm (0 barre)

**Ce qui influe sur le signal&#x202f;:**
• La distance au routeur
• Les murs et les obstacles
• Les interférences d&apos;autres appareils
• L&apos;orientation des antennes du routeur</translation>
    </message>
    <message>
        <source>Latency &amp; Ping</source>
        <translation>Latence et ping</translation>
    </message>
    <message>
        <source>Latency (ping) measures how long it takes for data to travel to a server and back, measured in milliseconds (ms).

**Latency Levels:**
• Excellent: Under 20ms
• Good: 20-50ms
• Fair: 50-100ms
• Poor: Over 100ms

**Two types of ping:**
• **Router Ping**: Tests your connection to your router. High values here indicate local WiFi issues.
• **Internet Ping**: Tests your connection to the internet (1.1.1.1). High values may indicate ISP issues.

**Jitter** measures how much latency varies. Low jitter (under 10ms) is important for video calls and gaming.</source>
        <translation>La latence (ping) mesure le temps que mettent les données pour aller jusqu&apos;à un serveur et revenir, en millisecondes (ms).

**Niveaux de latence&#x202f;:**
• Excellente&#x202f;: moins de 20 ms
• Bonne&#x202f;: de 20 à 50 ms
• Correcte&#x202f;: de 50 à 100 ms
• Médiocre&#x202f;: plus de 100 ms

**Deux types de ping&#x202f;:**
• **Ping du routeur**&#x202f;: teste la connexion à votre routeur. Des valeurs élevées signalent un problème de Wi-Fi local.
• **Ping Internet**&#x202f;: teste la connexion à Internet (1.1.1.1). Des valeurs élevées peuvent signaler un problème chez votre FAI.

La **gigue** mesure la variation de la latence. Une gigue faible (moins de 10 ms) est importante pour la visio et les jeux.</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Perte de paquets</translation>
    </message>
    <message>
        <source>Packet loss occurs when data packets fail to reach their destination. Even small amounts can cause noticeable issues.

**Packet Loss Levels:**
• Excellent: 0%
• Acceptable: Under 1%
• Problematic: 1-5%
• Severe: Over 5%

**Effects of packet loss:**
• Video calls: Frozen frames, audio dropouts
• Gaming: Lag spikes, rubberbanding
• Browsing: Slow page loads, timeouts

**Common causes:**
• WiFi interference
• Congested network
• Faulty hardware
• ISP issues</source>
        <translation>Il y a perte de paquets quand des paquets de données n&apos;arrivent pas à destination. Même une faible perte peut causer des problèmes visibles.

**Niveaux de perte de paquets&#x202f;:**
• Excellent&#x202f;: 0 %
• Acceptable&#x202f;: moins de 1 %
• Problématique&#x202f;: de 1 à 5 %
• Grave&#x202f;: plus de 5 %

**Effets de la perte de paquets&#x202f;:**
• Visio&#x202f;: images figées, coupures du son
• Jeux&#x202f;: pics de lag, effet élastique
• Navigation&#x202f;: pages lentes à charger, délais dépassés

**Causes fréquentes&#x202f;:**
• Interférences Wi-Fi
• Réseau encombré
• Matériel défectueux
• Problèmes chez le FAI</translation>
    </message>
    <message>
        <source>Channel Analysis</source>
        <translation>Analyse des canaux</translation>
    </message>
    <message>
        <source>WiFi networks broadcast on specific channels. When multiple networks use the same channel, they interfere with each other.

**2.4 GHz Band:**
• Channels 1, 6, and 11 don&apos;t overlap
• Best to use one of these three
• Longer range but more congested

**5 GHz Band:**
• Many more non-overlapping channels
• Faster speeds, less interference
• Shorter range

**Using the Channel Graph:**
The graph shows how many networks are on each channel. Look for channels with fewer networks or lower signal strength from competing networks.</source>
        <translation>Les réseaux Wi-Fi émettent sur des canaux précis. Quand plusieurs réseaux utilisent le même canal, ils se gênent mutuellement.

**Bande 2,4 GHz&#x202f;:**
• Les canaux 1, 6 et 11 ne se chevauchent pas
• Mieux vaut utiliser l&apos;un de ces trois
• Plus grande portée, mais plus encombrée

**Bande 5 GHz&#x202f;:**
• Bien plus de canaux sans chevauchement
• Débit plus élevé, moins d&apos;interférences
• Portée plus courte

**Utiliser le graphique des canaux&#x202f;:**
Le graphique indique combien de réseaux occupent chaque canal. Cherchez les canaux qui comptent le moins de réseaux, ou où les réseaux concurrents ont un signal plus faible.</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>**Slow Connection**
1. Check signal strength - move closer to router
2. Switch to 5 GHz if available
3. Check for channel congestion
4. Restart your router

**Intermittent Disconnections**
1. Check for interference sources (microwaves, baby monitors)
2. Update router firmware
3. Change WiFi channel
4. Check for overheating router

**High Latency**
1. Reduce number of connected devices
2. Check for bandwidth-heavy applications
3. Use wired connection for important tasks
4. Contact ISP if internet ping is high but router ping is low

**Can&apos;t See Network Name**
Linux needs no location permission for it. Check in your desktop&apos;s network settings that Wi-Fi is on and connected.</source>
        <translation>**Connexion lente**
1. Vérifiez la puissance du signal — rapprochez-vous du routeur
2. Passez en 5 GHz si possible
3. Vérifiez l&apos;encombrement des canaux
4. Redémarrez votre routeur

**Déconnexions intermittentes**
1. Cherchez les sources d&apos;interférences (micro-ondes, babyphones)
2. Mettez à jour le micrologiciel du routeur
3. Changez de canal Wi-Fi
4. Vérifiez que le routeur ne surchauffe pas

**Latence élevée**
1. Réduisez le nombre d&apos;appareils connectés
2. Repérez les applications gourmandes en bande passante
3. Utilisez une connexion filaire pour les tâches importantes
4. Contactez votre FAI si le ping Internet est élevé mais le ping du routeur bas

**Nom du réseau invisible**
Sous Linux, aucune autorisation de localisation n&apos;est nécessaire. Vérifiez dans les paramètres réseau de votre bureau que le Wi-Fi est activé et connecté.</translation>
    </message>
    <message>
        <source>Click the tray icon anytime to check your connection</source>
        <translation>Cliquez sur l&apos;icône du panneau à tout moment pour vérifier votre connexion</translation>
    </message>
    <message>
        <source>Use the Diagnostics view for detailed troubleshooting</source>
        <translation>Utilisez la vue Diagnostic pour un dépannage détaillé</translation>
    </message>
    <message>
        <source>Position your router in a central location</source>
        <translation>Placez votre routeur à un endroit central</translation>
    </message>
    <message>
        <source>Keep the router elevated and away from walls</source>
        <translation>Placez le routeur en hauteur, loin des murs</translation>
    </message>
    <message>
        <source>5 GHz has shorter range but less interference</source>
        <translation>Le 5 GHz porte moins loin, mais subit moins d&apos;interférences</translation>
    </message>
    <message>
        <source>Compare router vs internet ping to identify where issues are</source>
        <translation>Comparez le ping du routeur et le ping Internet pour localiser les problèmes</translation>
    </message>
    <message>
        <source>Use wired ethernet for gaming and video calls when possible</source>
        <translation>Utilisez si possible un câble Ethernet pour les jeux et la visio</translation>
    </message>
    <message>
        <source>Any packet loss above 0% should be investigated</source>
        <translation>Toute perte de paquets supérieure à 0 % mérite d&apos;être examinée</translation>
    </message>
    <message>
        <source>Try changing WiFi channels if packet loss is high</source>
        <translation>Changez de canal Wi-Fi si la perte de paquets est élevée</translation>
    </message>
    <message>
        <source>Run a network scan to see what channels are crowded</source>
        <translation>Lancez une analyse des réseaux pour voir quels canaux sont encombrés</translation>
    </message>
    <message>
        <source>Most routers let you change channel in their admin page (usually 192.168.1.1)</source>
        <translation>La plupart des routeurs permettent de changer de canal dans leur page d&apos;administration (souvent 192.168.1.1)</translation>
    </message>
    <message>
        <source>Restart your router if you haven&apos;t in a while</source>
        <translation>Redémarrez votre routeur si vous ne l&apos;avez pas fait depuis longtemps</translation>
    </message>
    <message>
        <source>Check if the issue affects all devices or just one</source>
        <translation>Vérifiez si le problème touche tous les appareils ou un seul</translation>
    </message>
</context>
<context>
    <name>HelpView</name>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Connection history</source>
        <translation>Historique de la connexion</translation>
    </message>
    <message>
        <source>No readings in this period</source>
        <translation>Aucun relevé sur cette période</translation>
    </message>
    <message>
        <source>1 reading, quality %1 to %2</source>
        <extracomment>Read out by screen readers; %n is the number of readings, %1 and %2 the lowest and highest score</extracomment>
        <translation>1 relevé, qualité de %1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>%n readings, quality %1 to %2</source>
        <translation>
            <numerusform>%n relevé, qualité de %1 à %2</numerusform>
            <numerusform>%n relevés, qualité de %1 à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, internet response time %1 to %2 ms</source>
        <extracomment>Appended to the chart&apos;s summary; %1 and %2 are milliseconds</extracomment>
        <translation>, temps de réponse Internet de %1 à %2 ms</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#x202f;: %1</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet&#x202f;: %1</translation>
    </message>
    <message>
        <source>Packet loss: %1</source>
        <translation>Perte de paquets&#x202f;: %1</translation>
    </message>
    <message>
        <source>Router: %1</source>
        <translation>Routeur&#x202f;: %1</translation>
    </message>
    <message>
        <source>DNS: %1</source>
        <translation>DNS&#x202f;: %1</translation>
    </message>
    <message>
        <source>Signal: %1 dBm</source>
        <translation>Signal&#x202f;: %1 dBm</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Pas encore d&apos;historique</translation>
    </message>
    <message>
        <source>Linkmeter records a point every minute while it monitors your connection.</source>
        <translation>Linkmeter enregistre un point par minute pendant qu&apos;il surveille votre connexion.</translation>
    </message>
</context>
<context>
    <name>HistoryPresenter</name>
    <message>
        <source>24 Hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 jours</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Quality score</source>
        <translation>Score de qualité</translation>
    </message>
    <message>
        <source>Internet latency</source>
        <translation>Latence Internet</translation>
    </message>
    <message>
        <source>Packet loss</source>
        <translation>Perte de paquets</translation>
    </message>
    <message>
        <source>Event (point at it for details)</source>
        <translation>Événement (survolez-le pour les détails)</translation>
    </message>
</context>
<context>
    <name>IconValueMode</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>LinkmeterApp</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Bienvenue dans Linkmeter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>À propos de Linkmeter</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>ListenAddress</name>
    <message>
        <source>Enter the address as host:port, for example 127.0.0.1:9469.</source>
        <translation>Saisissez l’adresse sous la forme hôte:port, par exemple 127.0.0.1:9469.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535 after the colon.</source>
        <translation>Saisissez un port de 1 à 65535 après les deux-points.</translation>
    </message>
    <message>
        <source>Enter a port from 0 to 65535 after the colon (0 picks a free one).</source>
        <translation>Saisissez un port de 0 à 65535 après les deux-points (0 en choisit un libre).</translation>
    </message>
    <message>
        <source>Enter an IP address before the colon, such as 127.0.0.1, 0.0.0.0 or [::1].</source>
        <translation>Saisissez une adresse IP avant les deux-points, par exemple 127.0.0.1, 0.0.0.0 ou [::1].</translation>
    </message>
    <message>
        <source>Prometheus on this computer can scrape the figures at:</source>
        <translation>Prometheus sur cet ordinateur peut relever les mesures à l’adresse&#x202f;:</translation>
    </message>
    <message>
        <source>Other computers on the network can read the figures, too, at:</source>
        <translation>Les autres ordinateurs du réseau peuvent aussi lire les mesures à l’adresse&#x202f;:</translation>
    </message>
</context>
<context>
    <name>LocationPermissionPage</name>
    <message>
        <source>Location Access</source>
        <translation>Accès à la localisation</translation>
    </message>
    <message>
        <source>Linkmeter needs location access to identify your network name (SSID). On Linux the system shares it with desktop apps without asking.</source>
        <translation>Linkmeter a besoin de l&apos;accès à la localisation pour connaître le nom de votre réseau (SSID). Sous Linux, le système le fournit aux applications sans rien demander.</translation>
    </message>
    <message>
        <source>Location access granted</source>
        <translation>Accès à la localisation accordé</translation>
    </message>
    <message>
        <source>Allow Location Access</source>
        <translation>Autoriser la localisation</translation>
    </message>
</context>
<context>
    <name>MenuBarDisplayMode</name>
    <message>
        <source>Icon Only</source>
        <translation>Icône seule</translation>
    </message>
    <message>
        <source>Network icon only</source>
        <translation>Seulement l’icône du réseau</translation>
    </message>
    <message>
        <source>Ping Time</source>
        <translation>Temps de ping</translation>
    </message>
    <message>
        <source>e.g., 5ms</source>
        <translation>p. ex. 5 ms</translation>
    </message>
    <message>
        <source>Quality Score</source>
        <translation>Score de qualité</translation>
    </message>
    <message>
        <source>e.g., 92</source>
        <translation>p. ex. 92</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>e.g., ↓12 ↑3</source>
        <translation>p. ex. ↓12 ↑3</translation>
    </message>
    <message>
        <source>Ping + Quality</source>
        <translation>Ping + qualité</translation>
    </message>
    <message>
        <source>e.g., 5ms • 92</source>
        <translation>p. ex. 5 ms • 92</translation>
    </message>
</context>
<context>
    <name>MenuBarSettingsTab</name>
    <message>
        <source>Panel Display</source>
        <translation>Affichage dans le panneau</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Show Icon</source>
        <translation>Afficher l&apos;icône</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Afficher le texte</translation>
    </message>
    <message>
        <source>Show the value in the icon</source>
        <translation>Afficher la valeur dans l&apos;icône</translation>
    </message>
    <message>
        <source>Popover</source>
        <translation>Fenêtre surgissante</translation>
    </message>
    <message>
        <source>Compact mode reduces spacing for a denser layout</source>
        <translation>Le mode compact réduit les espacements pour une présentation plus dense</translation>
    </message>
    <message>
        <source>Compact Mode</source>
        <translation>Mode compact</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Afficher les conseils</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>NearbyNetworksPresenter</name>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Ch %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation>%1 dBm</translation>
    </message>
    <message>
        <source>SNR %1</source>
        <translation>SNR %1</translation>
    </message>
</context>
<context>
    <name>NearbyNetworksView</name>
    <message>
        <source>Nearby Networks</source>
        <translation>Réseaux à proximité</translation>
    </message>
    <message>
        <source>Scan for Networks</source>
        <translation>Analyser les réseaux</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message>
        <source>No networks found</source>
        <translation>Aucun réseau trouvé</translation>
    </message>
</context>
<context>
    <name>NetworkInfoPresenter</name>
    <message>
        <source>DNS changed to %1</source>
        <translation>DNS changé pour %1</translation>
    </message>
</context>
<context>
    <name>NetworkInfoView</name>
    <message>
        <source>Network Info</source>
        <translation>Informations réseau</translation>
    </message>
    <message>
        <source>Public IP</source>
        <translation>IP publique</translation>
    </message>
</context>
<context>
    <name>NetworkInsight</name>
    <message>
        <source>%1% better than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1 % mieux que d&apos;habitude</translation>
    </message>
    <message>
        <source>%1% slower than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1 % plus lent que d&apos;habitude</translation>
    </message>
    <message>
        <source>Reliably good here</source>
        <translation>Toujours bon ici</translation>
    </message>
    <message>
        <source>Usually struggles here</source>
        <translation>Souvent difficile ici</translation>
    </message>
</context>
<context>
    <name>NoInternetBanner</name>
    <message>
        <source>No Internet Connection</source>
        <translation>Pas de connexion Internet</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Internet Feeling Sluggish</source>
        <translation>Internet semble lent</translation>
    </message>
    <message>
        <source>Response time is %1ms — things may feel slow</source>
        <translation>Temps de réponse de %1 ms — la navigation peut sembler lente</translation>
    </message>
    <message>
        <source>Connection Slowing Down</source>
        <translation>La connexion ralentit</translation>
    </message>
    <message>
        <source>Response time increased to %1ms</source>
        <translation>Le temps de réponse est passé à %1 ms</translation>
    </message>
    <message>
        <source>Connection Recovered!</source>
        <translation>Connexion rétablie&#x202f;!</translation>
    </message>
    <message>
        <source>Response time is back to normal (%1ms)</source>
        <translation>Le temps de réponse est redevenu normal (%1 ms)</translation>
    </message>
    <message>
        <source>Connection Unstable</source>
        <translation>Connexion instable</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through (%1% dropped)</source>
        <translation>Certaines données ne passent pas (%1 % perdues)</translation>
    </message>
    <message>
        <source>Connection Stabilized</source>
        <translation>Connexion stabilisée</translation>
    </message>
    <message>
        <source>Data flow is back to normal</source>
        <translation>Le flux de données est redevenu normal</translation>
    </message>
    <message>
        <source>WiFi Signal Is Weak</source>
        <translation>Le signal Wi-Fi est faible</translation>
    </message>
    <message>
        <source>Try moving closer to your router</source>
        <translation>Essayez de vous rapprocher de votre routeur</translation>
    </message>
    <message>
        <source>WiFi Signal Dropped</source>
        <translation>Le signal Wi-Fi a baissé</translation>
    </message>
    <message>
        <source>You may have moved away from the router</source>
        <translation>Vous vous êtes peut-être éloigné du routeur</translation>
    </message>
    <message>
        <source>Signal Strength Improved!</source>
        <translation>Signal amélioré&#x202f;!</translation>
    </message>
    <message>
        <source>Much better reception now</source>
        <translation>La réception est bien meilleure</translation>
    </message>
    <message>
        <source>Network Changed</source>
        <translation>Changement de réseau</translation>
    </message>
    <message>
        <source>Your public IP address updated</source>
        <translation>Votre adresse IP publique a changé</translation>
    </message>
    <message>
        <source>Now on %1 (%2 dBm, was %3 dBm)</source>
        <translation>Désormais sur %1 (%2 dBm, contre %3 dBm)</translation>
    </message>
    <message>
        <source>Sign-In Required</source>
        <translation>Identification requise</translation>
    </message>
    <message>
        <source>This network needs you to log in first</source>
        <translation>Ce réseau demande d&apos;abord de vous identifier</translation>
    </message>
    <message>
        <source>You&apos;re Offline</source>
        <translation>Vous êtes hors ligne</translation>
    </message>
    <message>
        <source>Can&apos;t reach the internet right now</source>
        <translation>Internet est inaccessible pour le moment</translation>
    </message>
    <message>
        <source>Roamed to another access point</source>
        <translation>Passage à un autre point d&apos;accès</translation>
    </message>
</context>
<context>
    <name>NotificationPermissionPage</name>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Get alerted when your connection has issues like high latency, packet loss, or weak signal. You can customize these in Settings.</source>
        <translation>Soyez averti des problèmes de connexion&#x202f;: latence élevée, perte de paquets ou signal faible. Vous pouvez les personnaliser dans les Paramètres.</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notifications activées</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Activer les notifications</translation>
    </message>
</context>
<context>
    <name>NotificationServerHint</name>
    <message>
        <source>No notification service is running.</source>
        <translation>Aucun service de notification n’est lancé.</translation>
    </message>
    <message>
        <source>GNOME shows notifications itself: sign out and back in to restart it.</source>
        <translation>GNOME affiche lui-même les notifications&#x202f;: fermez puis rouvrez la session pour le relancer.</translation>
    </message>
    <message>
        <source>Plasma shows notifications itself: sign out and back in to restart it.</source>
        <translation>Plasma affiche lui-même les notifications&#x202f;: fermez puis rouvrez la session pour le relancer.</translation>
    </message>
    <message>
        <source>Cinnamon shows notifications itself: sign out and back in to restart it.</source>
        <translation>Cinnamon affiche lui-même les notifications&#x202f;: fermez puis rouvrez la session pour le relancer.</translation>
    </message>
    <message>
        <source>Install the xfce4-notifyd package; Xfce starts it when needed.</source>
        <translation>Installez le paquet xfce4-notifyd&#x202f;; Xfce le lance quand il le faut.</translation>
    </message>
    <message>
        <source>Install the mate-notification-daemon package; MATE starts it when needed.</source>
        <translation>Installez le paquet mate-notification-daemon&#x202f;; MATE le lance quand il le faut.</translation>
    </message>
    <message>
        <source>Turn on the notification daemon in LXQt Session Settings, Basic Settings.</source>
        <translation>Activez le démon de notification dans les paramètres de session LXQt, rubrique Paramètres de base.</translation>
    </message>
    <message>
        <source>Start a notification daemon such as dunst or mako.</source>
        <translation>Lancez un démon de notification comme dunst ou mako.</translation>
    </message>
</context>
<context>
    <name>NotificationsSettingsTab</name>
    <message>
        <source>High Response Time</source>
        <translation>Temps de réponse élevé</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Perte de paquets</translation>
    </message>
    <message>
        <source>Weak Signal</source>
        <translation>Signal faible</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Public IP Changed</source>
        <translation>Changement d&apos;IP publique</translation>
    </message>
    <message>
        <source>Roaming</source>
        <translation>Itinérance</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Notifications won&apos;t repeat within 60 seconds</source>
        <translation>Une même notification n&apos;est pas répétée avant 60 secondes</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Activer les notifications</translation>
    </message>
    <message>
        <source>Notifications Enabled</source>
        <translation>Notifications activées</translation>
    </message>
    <message>
        <source>System permissions granted</source>
        <translation>Autorisations système accordées</translation>
    </message>
    <message>
        <source>Permission Required</source>
        <translation>Autorisation requise</translation>
    </message>
    <message>
        <source>Start your desktop&apos;s notification service</source>
        <translation>Démarrez le service de notifications de votre bureau</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>PingCard</name>
    <message>
        <source>Response Time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Pertes</translation>
    </message>
</context>
<context>
    <name>QualityRating</name>
    <message>
        <source>Excellent</source>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>Perfect for video calls &amp; gaming</source>
        <translation>Idéale pour la visio et les jeux</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Great for most activities</source>
        <translation>Très bien pour la plupart des usages</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Correcte</translation>
    </message>
    <message>
        <source>May experience occasional issues</source>
        <translation>Quelques problèmes possibles</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Médiocre</translation>
    </message>
    <message>
        <source>Expect slowdowns and interruptions</source>
        <translation>Ralentissements et coupures à prévoir</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Mauvaise</translation>
    </message>
    <message>
        <source>Connection is unstable</source>
        <translation>La connexion est instable</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Gathering data...</source>
        <translation>Collecte des données...</translation>
    </message>
</context>
<context>
    <name>QualityText</name>
    <message>
        <source>Connection quality %1 of 100, %2</source>
        <extracomment>Read out by screen readers; %1 is the score, %2 the rating (&quot;Excellent&quot;)</extracomment>
        <translation>Qualité de connexion %1 sur 100, %2</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>Tout est prêt&#x202f;!</translation>
    </message>
    <message>
        <source>Monitor signal strength</source>
        <translation>Surveiller la puissance du signal</translation>
    </message>
    <message>
        <source>Track latency &amp; packet loss</source>
        <translation>Suivre la latence et la perte de paquets</translation>
    </message>
    <message>
        <source>Get improvement tips</source>
        <translation>Obtenir des conseils d&apos;amélioration</translation>
    </message>
    <message>
        <source>Analyze nearby networks</source>
        <translation>Analyser les réseaux à proximité</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>RecommendationRow</name>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>networks</source>
        <translation>réseaux</translation>
    </message>
</context>
<context>
    <name>RelativeTimeLabel</name>
    <message>
        <source>1 year ago</source>
        <translation>il y a 1 an</translation>
    </message>
    <message>
        <source>%n years ago</source>
        <translation>il y a %n ans</translation>
    </message>
    <message>
        <source>1 month ago</source>
        <translation>il y a 1 mois</translation>
    </message>
    <message>
        <source>%n months ago</source>
        <translation>il y a %n mois</translation>
    </message>
    <message>
        <source>1 week ago</source>
        <translation>il y a 1 semaine</translation>
    </message>
    <message>
        <source>%n weeks ago</source>
        <translation>il y a %n semaines</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>il y a 1 jour</translation>
    </message>
    <message>
        <source>%n days ago</source>
        <translation>il y a %n jours</translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation>il y a 1 heure</translation>
    </message>
    <message>
        <source>%n hours ago</source>
        <translation>il y a %n heures</translation>
    </message>
    <message>
        <source>1 minute ago</source>
        <translation>il y a 1 minute</translation>
    </message>
    <message>
        <source>%n minutes ago</source>
        <translation>il y a %n minutes</translation>
    </message>
    <message>
        <source>1 second ago</source>
        <translation>il y a 1 seconde</translation>
    </message>
    <message>
        <source>%n seconds ago</source>
        <translation>il y a %n secondes</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l’instant</translation>
    </message>
</context>
<context>
    <name>RouterBrand</name>
    <message>
        <source>Contact your ISP about a WiFi extender or upgraded router</source>
        <translation>Demandez à votre FAI un répéteur Wi-Fi ou un routeur plus récent</translation>
    </message>
    <message>
        <source>Consider adding another mesh point for better coverage</source>
        <translation>Ajoutez un point mesh supplémentaire pour une meilleure couverture</translation>
    </message>
    <message>
        <source>Try Netgear&apos;s WiFi Analytics app to find the best spot</source>
        <translation>Essayez l&apos;application WiFi Analytics de Netgear pour trouver le meilleur emplacement</translation>
    </message>
    <message>
        <source>Try enabling Netgear Armor&apos;s channel optimization</source>
        <translation>Essayez d&apos;activer l&apos;optimisation des canaux de Netgear Armor</translation>
    </message>
    <message>
        <source>Use TP-Link Tether app to check for channel congestion</source>
        <translation>Utilisez l&apos;application TP-Link Tether pour vérifier l&apos;encombrement des canaux</translation>
    </message>
    <message>
        <source>Enable Smart Connect in ASUS router settings to auto-select bands</source>
        <translation>Activez Smart Connect dans les réglages du routeur ASUS pour choisir la bande automatiquement</translation>
    </message>
    <message>
        <source>Run a speed test at speedtest.net and contact your ISP if speeds are slow</source>
        <translation>Faites un test de débit sur speedtest.net et contactez votre FAI si le débit est faible</translation>
    </message>
    <message>
        <source>Check Google Home app for device prioritization options</source>
        <translation>Cherchez dans l&apos;application Google Home les options de priorité des appareils</translation>
    </message>
    <message>
        <source>Open AirPort Utility app</source>
        <translation>Ouvrez l&apos;application Utilitaire AirPort</translation>
    </message>
    <message>
        <source>Open Google Home app</source>
        <translation>Ouvrez l&apos;application Google Home</translation>
    </message>
    <message>
        <source>Open eero app</source>
        <translation>Ouvrez l&apos;application eero</translation>
    </message>
    <message>
        <source>Open the Xfinity app or visit xfinity.com/myaccount</source>
        <translation>Ouvrez l&apos;application Xfinity ou rendez-vous sur xfinity.com/myaccount</translation>
    </message>
    <message>
        <source>Open %1 in your browser</source>
        <extracomment>%1 is the address of the router&apos;s administration page</extracomment>
        <translation>Ouvrez %1 dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>ScanError</name>
    <message>
        <source>No WiFi interface available</source>
        <translation>Aucune interface Wi-Fi disponible</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 seconds</source>
        <extracomment>An interval in the settings&apos; menus, for a value no menu entry offers</extracomment>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Seuils</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
</context>
<context>
    <name>SignalBarsView</name>
    <message>
        <source>Signal strength unknown</source>
        <translation>Puissance du signal inconnue</translation>
    </message>
    <message>
        <source>very weak</source>
        <translation>très faible</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bon</translation>
    </message>
    <message>
        <source>excellent</source>
        <translation>excellent</translation>
    </message>
    <message>
        <source>Signal %1 dBm, %2</source>
        <extracomment>Read out by screen readers; %1 is the signal in dBm (a negative number), %2 a word such as &quot;good&quot;</extracomment>
        <translation>Signal %1 dBm, %2</translation>
    </message>
</context>
<context>
    <name>SparklineView</name>
    <message>
        <source>Recent values</source>
        <translation>Valeurs récentes</translation>
    </message>
    <message>
        <source>%1, no values yet</source>
        <translation>%1, pas encore de valeurs</translation>
    </message>
    <message numerus="yes">
        <source>%1, last %n values, %2 to %3</source>
        <extracomment>Read out by screen readers: &quot;Internet response time, last 60 values, 12 ms to 31 ms&quot;</extracomment>
        <translation>
            <numerusform>%1, %n dernière valeur, de %2 à %3</numerusform>
            <numerusform>%1, %n dernières valeurs, de %2 à %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeedTestView</name>
    <message>
        <source>SPEED TEST</source>
        <translation>TEST DE DÉBIT</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Last tested: </source>
        <extracomment>Before how long ago the last speed test ran.</extracomment>
        <translation>Dernier test&#x202f;: </translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Speed test failed</source>
        <translation>Échec du test de débit</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>StatusCard</name>
    <message>
        <source>Location required</source>
        <translation>Localisation requise</translation>
    </message>
    <message>
        <source>Monitoring paused</source>
        <translation>Surveillance suspendue</translation>
    </message>
</context>
<context>
    <name>StatusPresenter</name>
    <message>
        <source>Looking Great!</source>
        <translation>Tout va très bien&#x202f;!</translation>
    </message>
    <message>
        <source>Perfect for video calls and streaming</source>
        <translation>Parfait pour la visio et le streaming</translation>
    </message>
    <message>
        <source>All Good</source>
        <translation>Tout va bien</translation>
    </message>
    <message>
        <source>Should work well for most things</source>
        <translation>Convient à la plupart des usages</translation>
    </message>
    <message>
        <source>Hanging In There</source>
        <translation>Ça tient le coup</translation>
    </message>
    <message>
        <source>Might be a bit slow at times</source>
        <translation>Parfois un peu lent</translation>
    </message>
    <message>
        <source>Having Trouble</source>
        <translation>Quelques soucis</translation>
    </message>
    <message>
        <source>You may notice some hiccups</source>
        <translation>Quelques accrocs possibles</translation>
    </message>
    <message>
        <source>Struggling</source>
        <translation>En difficulté</translation>
    </message>
    <message>
        <source>Things might not work well</source>
        <translation>Ça risque de mal fonctionner</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Give me a moment...</source>
        <translation>Un instant...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Open %1 Settings</source>
        <translation>Ouvrir les paramètres %1</translation>
    </message>
    <message>
        <source>Tip for your %1</source>
        <translation>Conseil pour votre routeur %1</translation>
    </message>
</context>
<context>
    <name>StatusScreenshotView</name>
    <message>
        <source>WiFi Status</source>
        <translation>État du Wi-Fi</translation>
    </message>
    <message>
        <source>%1 • %2 dBm</source>
        <extracomment>The shared picture&apos;s network line: %1 is the band (&quot;5 GHz&quot;), %2 the signal in dBm</extracomment>
        <translation>%1 • %2 dBm</translation>
    </message>
</context>
<context>
    <name>StatusView</name>
    <message>
        <source>Share a screenshot of the status</source>
        <translation>Partager une capture de l&apos;état</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Allow location to see network name</source>
        <translation>Autorisez la localisation pour voir le nom du réseau</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Get alerts when connection has issues</source>
        <translation>Soyez averti des problèmes de connexion</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
</context>
<context>
    <name>ThresholdsSettingsTab</name>
    <message>
        <source>Enter a whole number of milliseconds from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed response times in milliseconds</extracomment>
        <translation>Saisissez un nombre entier de millisecondes entre %1 et %2.</translation>
    </message>
    <message>
        <source>Enter a percentage from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed percentages</extracomment>
        <translation>Saisissez un pourcentage entre %1 et %2.</translation>
    </message>
    <message>
        <source>The warning value can&apos;t be above the critical value.</source>
        <translation>Le seuil d&apos;avertissement ne peut pas dépasser le seuil critique.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A threshold field&apos;s name for screen readers: the level and its unit, &quot;Warning (ms)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Alert when ping exceeds these values</source>
        <translation>Alerter quand le ping dépasse ces valeurs</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Perte de paquets</translation>
    </message>
    <message>
        <source>Alert when packet loss exceeds these values</source>
        <translation>Alerter quand la perte de paquets dépasse ces valeurs</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>TimelineEvent</name>
    <message>
        <source>Internet connection lost</source>
        <translation>Connexion Internet perdue</translation>
    </message>
    <message>
        <source>Internet connection back</source>
        <translation>Connexion Internet rétablie</translation>
    </message>
    <message>
        <source>Sign-in page detected</source>
        <translation>Page de connexion détectée</translation>
    </message>
    <message>
        <source>DNS servers changed</source>
        <translation>Serveurs DNS modifiés</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Surveillance démarrée</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Surveillance arrêtée</translation>
    </message>
    <message>
        <source>Speed test</source>
        <translation>Test de débit</translation>
    </message>
</context>
<context>
    <name>Tip</name>
    <message>
        <source>Weak Signal</source>
        <translation>Signal faible</translation>
    </message>
    <message>
        <source>Signal strength is very low (%1 dBm).</source>
        <translation>La puissance du signal est très faible (%1 dBm).</translation>
    </message>
    <message>
        <source>Move closer to your router, or try removing obstacles like walls and furniture between you and the router.</source>
        <translation>Rapprochez-vous de votre routeur, ou essayez de supprimer les obstacles, comme les murs et les meubles, entre vous et le routeur.</translation>
    </message>
    <message>
        <source>Fair Signal</source>
        <translation>Signal moyen</translation>
    </message>
    <message>
        <source>Signal is moderate (%1 dBm) - good enough but could be better.</source>
        <translation>Le signal est moyen (%1 dBm) — suffisant, mais il pourrait être meilleur.</translation>
    </message>
    <message>
        <source>For better speeds, try moving closer to your router or to a different room.</source>
        <translation>Pour un meilleur débit, rapprochez-vous de votre routeur ou changez de pièce.</translation>
    </message>
    <message>
        <source>Using 2.4 GHz Band</source>
        <translation>Bande 2,4 GHz utilisée</translation>
    </message>
    <message>
        <source>The 2.4 GHz band has good range but can be crowded and slower.</source>
        <translation>La bande 2,4 GHz a une bonne portée, mais elle peut être encombrée et plus lente.</translation>
    </message>
    <message>
        <source>If your router has both bands, look for a network name ending in &quot;_5G&quot; or &quot;5GHz&quot; in your WiFi settings for faster speeds.</source>
        <translation>Si votre routeur gère les deux bandes, cherchez dans vos paramètres Wi-Fi un nom de réseau se terminant par «&#x202f;_5G&#x202f;» ou «&#x202f;5GHz&#x202f;» pour un meilleur débit.</translation>
    </message>
    <message>
        <source>Narrow Channel Width</source>
        <translation>Largeur de canal étroite</translation>
    </message>
    <message>
        <source>Your router is using a %1 MHz channel width.</source>
        <translation>Votre routeur utilise une largeur de canal de %1 MHz.</translation>
    </message>
    <message>
        <source>Log into your router&apos;s admin page (usually 192.168.1.1) and look for &quot;Channel Width&quot; or &quot;Bandwidth&quot; settings. Set it to 80 MHz for faster speeds.</source>
        <translation>Connectez-vous à la page d&apos;administration de votre routeur (souvent 192.168.1.1) et cherchez le réglage «&#x202f;Largeur de canal&#x202f;» ou «&#x202f;Bande passante&#x202f;». Choisissez 80 MHz pour un meilleur débit.</translation>
    </message>
    <message>
        <source>High Interference</source>
        <translation>Fortes interférences</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio is low (%1 dB) - other devices may be causing interference.</source>
        <translation>Le rapport signal/bruit est faible (%1 dB) — d&apos;autres appareils causent peut-être des interférences.</translation>
    </message>
    <message>
        <source>Move away from microwaves, baby monitors, or other electronics. You can also try changing your router&apos;s WiFi channel in its admin settings.</source>
        <translation>Éloignez-vous des micro-ondes, babyphones et autres appareils électroniques. Vous pouvez aussi changer le canal Wi-Fi dans la page d&apos;administration de votre routeur.</translation>
    </message>
    <message>
        <source>Slow Router Response</source>
        <translation>Routeur lent à répondre</translation>
    </message>
    <message>
        <source>Router is taking %1ms to respond (should be &lt;5ms).</source>
        <translation>Le routeur met %1 ms à répondre (idéalement &lt; 5 ms).</translation>
    </message>
    <message>
        <source>Try restarting your router by unplugging it for 30 seconds. If the problem persists, your router may be overloaded.</source>
        <translation>Redémarrez votre routeur en le débranchant 30 secondes. Si le problème persiste, il est peut-être surchargé.</translation>
    </message>
    <message>
        <source>Connection Dropping</source>
        <translation>Connexion qui décroche</translation>
    </message>
    <message>
        <source>%1% of data packets are being lost to your router.</source>
        <translation>%1 % des paquets de données se perdent vers votre routeur.</translation>
    </message>
    <message>
        <source>This usually means WiFi interference. Try moving closer to your router, or scan nearby networks to find a less crowded channel.</source>
        <translation>C&apos;est en général dû à des interférences Wi-Fi. Rapprochez-vous de votre routeur, ou analysez les réseaux à proximité pour trouver un canal moins encombré.</translation>
    </message>
    <message>
        <source>Unstable Connection</source>
        <translation>Connexion instable</translation>
    </message>
    <message>
        <source>Connection timing varies by %1ms (jitter). This affects video calls and gaming.</source>
        <translation>Le temps de réponse varie de %1 ms (gigue). Cela gêne la visio et les jeux.</translation>
    </message>
    <message>
        <source>Reduce the number of devices using WiFi, or connect your computer directly to the router with an ethernet cable for important calls.</source>
        <translation>Réduisez le nombre d&apos;appareils en Wi-Fi, ou reliez votre ordinateur directement au routeur par un câble Ethernet pour les appels importants.</translation>
    </message>
    <message>
        <source>Slow Internet Response</source>
        <translation>Internet lent à répondre</translation>
    </message>
    <message>
        <source>Internet latency is %1ms (should be &lt;30ms for most uses).</source>
        <translation>La latence Internet est de %1 ms (idéalement &lt; 30 ms pour la plupart des usages).</translation>
    </message>
    <message>
        <source>This is usually outside your control - it&apos;s between you and your ISP. For gaming or video calls, try a wired connection.</source>
        <translation>Cela échappe en général à votre contrôle — le problème se situe entre vous et votre FAI. Pour les jeux ou la visio, essayez une connexion filaire.</translation>
    </message>
    <message>
        <source>Internet Packet Loss</source>
        <translation>Perte de paquets Internet</translation>
    </message>
    <message>
        <source>%1% of data is being lost on the way to the internet.</source>
        <translation>%1 % des données se perdent en route vers Internet.</translation>
    </message>
    <message>
        <source>If your local network is fine (check router ping), contact your ISP - the problem is on their end.</source>
        <translation>Si votre réseau local va bien (vérifiez le ping du routeur), contactez votre FAI — le problème vient de chez lui.</translation>
    </message>
    <message>
        <source>ISP Is the Bottleneck</source>
        <translation>Le FAI est le goulot d&apos;étranglement</translation>
    </message>
    <message>
        <source>Your local WiFi is fast, but the internet connection is slow.</source>
        <translation>Votre Wi-Fi local est rapide, mais la connexion Internet est lente.</translation>
    </message>
    <message>
        <source>The issue is with your Internet Service Provider, not your home network. Contact them if speeds are significantly below what you&apos;re paying for.</source>
        <translation>Le problème vient de votre fournisseur d&apos;accès à Internet, pas de votre réseau domestique. Contactez-le si le débit est nettement inférieur à celui de votre abonnement.</translation>
    </message>
    <message>
        <source>Slow DNS Lookup</source>
        <translation>Résolution DNS lente</translation>
    </message>
    <message>
        <source>Website name lookups taking %1ms (should be &lt;50ms).</source>
        <translation>La résolution des noms de sites prend %1 ms (idéalement &lt; 50 ms).</translation>
    </message>
    <message>
        <source>Use the DNS section below to switch to a faster DNS like Cloudflare (1.1.1.1) or Google (8.8.8.8).</source>
        <translation>Utilisez la section DNS ci-dessous pour passer à un DNS plus rapide, comme Cloudflare (1.1.1.1) ou Google (8.8.8.8).</translation>
    </message>
    <message>
        <source>DNS Not Working</source>
        <translation>Le DNS ne fonctionne pas</translation>
    </message>
    <message>
        <source>Cannot look up website names - this will prevent most websites from loading.</source>
        <translation>Impossible de résoudre les noms de sites — la plupart des sites ne pourront pas se charger.</translation>
    </message>
    <message>
        <source>Try switching DNS servers using the Network Info section. If that doesn&apos;t help, restart your router.</source>
        <translation>Essayez de changer de serveur DNS dans la section des informations réseau. Si cela ne suffit pas, redémarrez votre routeur.</translation>
    </message>
</context>
<context>
    <name>TipsSection</name>
    <message>
        <source>TIPS</source>
        <translation>CONSEILS</translation>
    </message>
</context>
<context>
    <name>TransportFailure</name>
    <message>
        <source>No response</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>Names can&apos;t be looked up (DNS is not answering)</source>
        <translation>Impossible de résoudre les noms (le DNS ne répond pas)</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Le délai de connexion a expiré</translation>
    </message>
    <message>
        <source>The network refused the connection</source>
        <translation>Le réseau a refusé la connexion</translation>
    </message>
    <message>
        <source>No route to the internet</source>
        <translation>Aucune route vers Internet</translation>
    </message>
    <message>
        <source>The connection failed</source>
        <translation>La connexion a échoué</translation>
    </message>
    <message>
        <source>Could not reach the speed test server</source>
        <translation>Impossible de joindre le serveur de test de débit</translation>
    </message>
</context>
<context>
    <name>TrayLabelPresenter</name>
    <message>
        <source>Linkmeter</source>
        <translation>Linkmeter</translation>
    </message>
    <message>
        <source>Linkmeter: %1</source>
        <translation>Linkmeter&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>TrayPage</name>
    <message>
        <source>Tray Icon</source>
        <translation>Icône du panneau</translation>
    </message>
    <message>
        <source>Tray found</source>
        <translation>Zone de notification trouvée</translation>
    </message>
    <message>
        <source>Linkmeter lives in your panel&apos;s tray. Click its icon any time to see how your connection is doing.</source>
        <translation>Linkmeter se trouve dans la zone de notification de votre panneau. Cliquez sur son icône à tout moment pour voir l&apos;état de votre connexion.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Turn on &quot;AppIndicator and KStatusNotifierItem Support&quot; in the Extensions app, or run:</source>
        <translation>GNOME n&apos;affiche les icônes de la zone de notification qu&apos;avec l&apos;extension AppIndicator. Activez «&#x202f;AppIndicator and KStatusNotifierItem Support&#x202f;» dans l&apos;application Extensions, ou exécutez&#x202f;:</translation>
    </message>
    <message>
        <source>Your panel has no tray for Linkmeter&apos;s icon yet. Add the status tray (or system tray) to your panel. Until then, Linkmeter opens as a small window.</source>
        <translation>Votre panneau n&apos;a pas encore de zone de notification pour l&apos;icône de Linkmeter. Ajoutez-en une à votre panneau. En attendant, Linkmeter s&apos;ouvre dans une petite fenêtre.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Downloading update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>Relaunch Linkmeter</source>
        <translation>Relancer Linkmeter</translation>
    </message>
    <message>
        <source>Install the package, then relaunch</source>
        <translation>Installez le paquet, puis relancez</translation>
    </message>
    <message>
        <source>Update Ready!</source>
        <translation>Mise à jour prête&#x202f;!</translation>
    </message>
</context>
<context>
    <name>UpdateBannerPresenter</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Update Available: %1</source>
        <translation>Mise à jour disponible&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Bienvenue dans Linkmeter</translation>
    </message>
    <message>
        <source>Monitor your WiFi connection quality, diagnose issues, and get actionable tips to improve your network.</source>
        <translation>Surveillez la qualité de votre connexion Wi-Fi, diagnostiquez les problèmes et obtenez des conseils concrets pour améliorer votre réseau.</translation>
    </message>
</context>
<context>
    <name>WiFiInfo</name>
    <message>
        <source>Unknown Network</source>
        <translation>Réseau inconnu</translation>
    </message>
</context>
</TS>
