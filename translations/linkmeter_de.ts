<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutView</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Real-time signal monitoring</source>
        <translation>Signalüberwachung in Echtzeit</translation>
    </message>
    <message>
        <source>Latency &amp; packet loss tracking</source>
        <translation>Latenz &amp; Paketverlust im Blick</translation>
    </message>
    <message>
        <source>Network analysis &amp; recommendations</source>
        <translation>Netzwerkanalyse &amp; Empfehlungen</translation>
    </message>
    <message>
        <source>Smart connection alerts</source>
        <translation>Intelligente Verbindungswarnungen</translation>
    </message>
    <message>
        <source>Built with Qt</source>
        <translation>Erstellt mit Qt</translation>
    </message>
    <message>
        <source>Made for the Linux desktop</source>
        <translation>Gemacht für den Linux-Desktop</translation>
    </message>
</context>
<context>
    <name>ActivityIndicator</name>
    <message>
        <source>Working</source>
        <translation>Beschäftigt</translation>
    </message>
</context>
<context>
    <name>AdditionalInfoRow</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>AppActions</name>
    <message>
        <source>Open Linkmeter</source>
        <translation>Linkmeter öffnen</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>Pause Monitoring</source>
        <translation>Überwachung pausieren</translation>
    </message>
    <message>
        <source>Resume Monitoring</source>
        <translation>Überwachung fortsetzen</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>Über Linkmeter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>BandwidthView</name>
    <message>
        <source>BANDWIDTH</source>
        <translation>BANDBREITE</translation>
    </message>
    <message>
        <source>Real-time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
</context>
<context>
    <name>CaptivePortalBanner</name>
    <message>
        <source>Captive Portal Detected</source>
        <translation>Captive Portal erkannt</translation>
    </message>
    <message>
        <source>This network requires login. Open a browser to authenticate.</source>
        <translation>Dieses Netzwerk erfordert eine Anmeldung. Öffnen Sie einen Browser, um sich anzumelden.</translation>
    </message>
    <message>
        <source>Open Login Page</source>
        <translation>Anmeldeseite öffnen</translation>
    </message>
</context>
<context>
    <name>Channel2GHzChart</name>
    <message>
        <source>Networks per 2.4 GHz channel</source>
        <translation>Netzwerke pro 2,4-GHz-Kanal</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Netzwerke</translation>
    </message>
</context>
<context>
    <name>Channel5GHzChart</name>
    <message>
        <source>Networks per 5 GHz channel group</source>
        <translation>Netzwerke pro 5-GHz-Kanalgruppe</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Kanalgruppe</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Netzwerke</translation>
    </message>
</context>
<context>
    <name>ChannelBarChart</name>
    <message>
        <source>No networks</source>
        <translation>Keine Netzwerke</translation>
    </message>
    <message>
        <source>%1: 1 network</source>
        <extracomment>One bar of a channel chart, read out by screen readers: &quot;6: 3 networks&quot;</extracomment>
        <translation>%1: 1 Netzwerk</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n networks</source>
        <translation>
            <numerusform>%1: %n Netzwerk</numerusform>
            <numerusform>%1: %n Netzwerke</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelGraphView</name>
    <message>
        <source>Channel Usage</source>
        <translation>Kanalbelegung</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
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
        <translation>Suchen Sie nach Netzwerken, um die Kanalbelegung zu sehen</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Ruhig</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Crowded</source>
        <translation>Überfüllt</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendation</name>
    <message>
        <source>No networks detected - optimal choice</source>
        <translation>Keine Netzwerke – ideale Wahl</translation>
    </message>
    <message>
        <source>1 weak network - good choice</source>
        <translation>1 schwaches Netzwerk – gute Wahl</translation>
    </message>
    <message>
        <source>%1 networks with moderate interference</source>
        <translation>%1 Netzwerke mit mäßigen Störungen</translation>
    </message>
    <message>
        <source>%1 networks - consider other channels</source>
        <translation>%1 Netzwerke – andere Kanäle prüfen</translation>
    </message>
    <message>
        <source>Congested - %1 networks detected</source>
        <translation>Überlastet – %1 Netzwerke erkannt</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendationsPresenter</name>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Ch %1</source>
        <translation>Kanal %1</translation>
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
        <translation>Empfohlene Kanäle</translation>
    </message>
    <message>
        <source>Scan networks to get recommendations</source>
        <translation>Suchen Sie nach Netzwerken, um Empfehlungen zu erhalten</translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, any channel works well due to wider spacing.</source>
        <translation>Im 2,4-GHz-Band überlappen sich die Kanäle 1, 6 und 11 nicht. Im 5-GHz-Band eignet sich dank größerer Abstände jeder Kanal.</translation>
    </message>
</context>
<context>
    <name>ChannelUsagePresenter</name>
    <message>
        <source>Recommended: Channels 36-48 or 149-165 (non-DFS)</source>
        <translation>Empfohlen: Kanäle 36–48 oder 149–165 (ohne DFS)</translation>
    </message>
    <message>
        <source>Recommended: Ch 1, 6, or 11 (non-overlapping)</source>
        <translation>Empfohlen: Kanal 1, 6 oder 11 (überlappungsfrei)</translation>
    </message>
</context>
<context>
    <name>ConnectionInfoView</name>
    <message>
        <source>The network name needs location access</source>
        <translation>Für den Netzwerknamen ist Standortzugriff nötig</translation>
    </message>
    <message>
        <source>WIFI</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Grant location access to see network name</source>
        <translation>Für den Netzwerknamen Standort erlauben</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Not connected to Wi-Fi</source>
        <translation>Nicht mit WLAN verbunden</translation>
    </message>
</context>
<context>
    <name>ConnectionIssue</name>
    <message>
        <source>Can&apos;t reach the internet</source>
        <translation>Internet nicht erreichbar</translation>
    </message>
    <message>
        <source>This network needs you to sign in</source>
        <translation>Anmeldung im Netzwerk erforderlich</translation>
    </message>
    <message>
        <source>Signal is really weak here</source>
        <translation>Das Signal ist hier sehr schwach</translation>
    </message>
    <message>
        <source>Signal could be stronger</source>
        <translation>Das Signal könnte stärker sein</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through</source>
        <translation>Einige Daten kommen nicht an</translation>
    </message>
    <message>
        <source>Internet is responding slowly</source>
        <translation>Das Internet reagiert langsam</translation>
    </message>
    <message>
        <source>Things are a bit sluggish</source>
        <translation>Alles ist etwas träge</translation>
    </message>
    <message>
        <source>Connection keeps changing</source>
        <translation>Die Verbindung wechselt ständig</translation>
    </message>
</context>
<context>
    <name>ConnectionQualityView</name>
    <message>
        <source>CONNECTION QUALITY</source>
        <translation>VERBINDUNGSQUALITÄT</translation>
    </message>
</context>
<context>
    <name>DNSPreset</name>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Use router/ISP DNS</source>
        <translation>DNS des Routers bzw. Anbieters</translation>
    </message>
    <message>
        <source>Fast, privacy-focused</source>
        <translation>Schnell, datenschutzfreundlich</translation>
    </message>
    <message>
        <source>Reliable public DNS</source>
        <translation>Zuverlässiges öffentliches DNS</translation>
    </message>
    <message>
        <source>Security &amp; malware blocking</source>
        <translation>Sicherheit und Malware-Schutz</translation>
    </message>
    <message>
        <source>Family-friendly options</source>
        <translation>Familienfreundliche Optionen</translation>
    </message>
    <message>
        <source>Ad &amp; tracker blocking</source>
        <translation>Blockiert Werbung und Tracker</translation>
    </message>
</context>
<context>
    <name>DNSSection</name>
    <message>
        <source>DNS Servers</source>
        <translation>DNS-Server</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
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
        <translation>Namensauflösung</translation>
    </message>
</context>
<context>
    <name>DiagnosticsCards</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>A response time; %1 is the number of whole milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No ping was lost.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The share of lost pings; %1 is the percentage.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>PHY Mode</source>
        <translation>PHY-Modus</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
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
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <extracomment>A transfer rate in kilobytes per second; %1 is the number.</extracomment>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <extracomment>A transfer rate in bytes per second; %1 is the number.</extracomment>
        <translation>%1 B/s</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Stabilität</translation>
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
        <translation>Unter Last: nicht gemessen</translation>
    </message>
    <message>
        <source>Under load: no answer to the pings</source>
        <translation>Unter Last: keine Ping-Antworten</translation>
    </message>
    <message>
        <source>Under load: +%1 ms</source>
        <extracomment>The response time the speed test&apos;s load added; %1 is the number of milliseconds.</extracomment>
        <translation>Unter Last: +%1 ms</translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Erneut testen</translation>
    </message>
    <message>
        <source>Run Speed Test</source>
        <translation>Speedtest starten</translation>
    </message>
    <message>
        <source>Testing Download...</source>
        <translation>Download wird getestet...</translation>
    </message>
    <message>
        <source>Testing Upload...</source>
        <translation>Upload wird getestet...</translation>
    </message>
    <message>
        <source>(%1)</source>
        <extracomment>The number of tips, beside the folded tips header.</extracomment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops or starts the measurements.</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instabil</translation>
    </message>
    <message>
        <source>varying</source>
        <translation>schwankend</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
</context>
<context>
    <name>DiagnosticsContentView</name>
    <message>
        <source>Status</source>
        <extracomment>Goes back from the diagnostics page to the status page.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>DIAGNOSTICS</source>
        <translation>DIAGNOSE</translation>
    </message>
</context>
<context>
    <name>DiagnosticsScreenshotView</name>
    <message>
        <source>RECOMMENDATIONS</source>
        <translation>EMPFEHLUNGEN</translation>
    </message>
</context>
<context>
    <name>DiagnosticsToolbar</name>
    <message>
        <source>Copy or export</source>
        <translation>Kopieren oder exportieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Copy Screenshot</source>
        <translation>Screenshot kopieren</translation>
    </message>
    <message>
        <source>Copy Summary Text</source>
        <translation>Zusammenfassung kopieren</translation>
    </message>
    <message>
        <source>Save Diagnostics CSV...</source>
        <translation>Diagnose als CSV speichern...</translation>
    </message>
    <message>
        <source>Save History CSV...</source>
        <translation>Verlauf als CSV speichern...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Screenshot copied!</source>
        <translation>Screenshot kopiert!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <source>ROUTER</source>
        <translation>ROUTER</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Network Monitoring</source>
        <translation>Netzwerküberwachung</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Ping Interval</source>
        <translation>Ping-Intervall</translation>
    </message>
    <message>
        <source>Ping Target</source>
        <translation>Ping-Ziel</translation>
    </message>
    <message>
        <source>Captive Portal</source>
        <translation>Captive Portal</translation>
    </message>
    <message>
        <source>Detect Captive Portals</source>
        <translation>Captive Portals erkennen</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Prüfintervall</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metriken</translation>
    </message>
    <message>
        <source>Serve Metrics</source>
        <translation>Metriken bereitstellen</translation>
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
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Linkmeter helps you understand and improve your wireless network connection.

**Status View**
The main view shows your connection quality at a glance with signal bars and a score from 0-100. Green means excellent, yellow is fair, and red indicates issues.

**Diagnostics View**
Click &quot;Diagnostics&quot; for detailed metrics including ping times, packet loss, DNS performance, bandwidth usage, and nearby network analysis.

**Panel**
The app lives in your panel&apos;s tray. You can customize what&apos;s shown (ping time, quality score, etc.) in Settings.</source>
        <translation>Linkmeter hilft Ihnen, Ihre WLAN-Verbindung zu verstehen und zu verbessern.

**Statusansicht**
Die Hauptansicht zeigt die Qualität Ihrer Verbindung auf einen Blick: mit Signalbalken und einem Wert von 0 bis 100. Grün steht für ausgezeichnet, Gelb für mäßig und Rot für Probleme.

**Diagnoseansicht**
Klicken Sie auf „Diagnose“, um detaillierte Messwerte zu sehen: Ping-Zeiten, Paketverlust, DNS-Leistung, Bandbreitennutzung und eine Analyse der Netzwerke in der Nähe.

**Leiste**
Die App wohnt im Infobereich Ihrer Leiste. Was dort angezeigt wird (Ping-Zeit, Qualitätswert usw.), legen Sie in den Einstellungen fest.</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Signalstärke</translation>
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
        <translation>Die Signalstärke wird in dBm gemessen (Dezibel bezogen auf ein Milliwatt). Je näher der Wert an 0 liegt, desto stärker ist das Signal.

**Signalstufen:**
• Ausgezeichnet: -30 bis -50 dBm (4 Balken)
• Gut: -50 bis -60 dBm (3 Balken)
• Mäßig: -60 bis -70 dBm (2 Balken)
• Schwach: -70 bis -80 dBm (1 Balken)
• Sehr schwach: unter -80 dBm (0 Balken)

**Was das Signal beeinflusst:**
• Entfernung zum Router
• Wände und Hindernisse
• Störungen durch andere Geräte
• Ausrichtung der Router-Antennen</translation>
    </message>
    <message>
        <source>Latency &amp; Ping</source>
        <translation>Latenz &amp; Ping</translation>
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
        <translation>Die Latenz (Ping) gibt an, wie lange Daten zu einem Server und zurück brauchen. Sie wird in Millisekunden (ms) gemessen.

**Latenzstufen:**
• Ausgezeichnet: unter 20 ms
• Gut: 20–50 ms
• Mäßig: 50–100 ms
• Schwach: über 100 ms

**Zwei Arten von Ping:**
• **Router-Ping**: Prüft die Verbindung zu Ihrem Router. Hohe Werte deuten auf lokale WLAN-Probleme hin.
• **Internet-Ping**: Prüft die Verbindung ins Internet (1.1.1.1). Hohe Werte können auf Probleme bei Ihrem Internetanbieter hindeuten.

**Jitter** gibt an, wie stark die Latenz schwankt. Geringer Jitter (unter 10 ms) ist wichtig für Videoanrufe und Spiele.</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Paketverlust</translation>
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
        <translation>Paketverlust entsteht, wenn Datenpakete ihr Ziel nicht erreichen. Schon geringe Mengen können spürbare Probleme verursachen.

**Paketverlust-Stufen:**
• Ausgezeichnet: 0 %
• Akzeptabel: unter 1 %
• Problematisch: 1–5 %
• Schwerwiegend: über 5 %

**Folgen von Paketverlust:**
• Videoanrufe: eingefrorene Bilder, Tonaussetzer
• Spiele: Lagspitzen, Rubberbanding
• Surfen: langsam ladende Seiten, Zeitüberschreitungen

**Häufige Ursachen:**
• WLAN-Störungen
• Überlastetes Netzwerk
• Defekte Hardware
• Probleme beim Internetanbieter</translation>
    </message>
    <message>
        <source>Channel Analysis</source>
        <translation>Kanalanalyse</translation>
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
        <translation>WLAN-Netzwerke senden auf bestimmten Kanälen. Nutzen mehrere Netzwerke denselben Kanal, stören sie sich gegenseitig.

**2,4-GHz-Band:**
• Die Kanäle 1, 6 und 11 überlappen sich nicht
• Am besten einen dieser drei verwenden
• Größere Reichweite, aber stärker belegt

**5-GHz-Band:**
• Viel mehr überlappungsfreie Kanäle
• Höhere Geschwindigkeit, weniger Störungen
• Geringere Reichweite

**Das Kanaldiagramm nutzen:**
Das Diagramm zeigt, wie viele Netzwerke auf jedem Kanal senden. Suchen Sie Kanäle mit weniger Netzwerken oder schwächeren Signalen konkurrierender Netzwerke.</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fehlerbehebung</translation>
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
        <translation>**Langsame Verbindung**
1. Signalstärke prüfen – näher an den Router gehen
2. Wenn möglich zu 5 GHz wechseln
3. Auf überlastete Kanäle prüfen
4. Router neu starten

**Zeitweise Verbindungsabbrüche**
1. Auf Störquellen prüfen (Mikrowellen, Babyfone)
2. Router-Firmware aktualisieren
3. WLAN-Kanal wechseln
4. Prüfen, ob der Router überhitzt

**Hohe Latenz**
1. Weniger Geräte gleichzeitig verbinden
2. Auf Anwendungen mit hohem Datenverbrauch prüfen
3. Für wichtige Aufgaben eine Kabelverbindung nutzen
4. Den Internetanbieter kontaktieren, wenn der Internet-Ping hoch, der Router-Ping aber niedrig ist

**Netzwerkname wird nicht angezeigt**
Unter Linux ist dafür keine Standortberechtigung nötig. Prüfen Sie in den Netzwerkeinstellungen Ihres Desktops, ob WLAN eingeschaltet und verbunden ist.</translation>
    </message>
    <message>
        <source>Click the tray icon anytime to check your connection</source>
        <translation>Klicken Sie jederzeit auf das Symbol im Infobereich, um Ihre Verbindung zu prüfen</translation>
    </message>
    <message>
        <source>Use the Diagnostics view for detailed troubleshooting</source>
        <translation>Nutzen Sie die Diagnose für eine genaue Fehlersuche</translation>
    </message>
    <message>
        <source>Position your router in a central location</source>
        <translation>Stellen Sie Ihren Router möglichst zentral auf</translation>
    </message>
    <message>
        <source>Keep the router elevated and away from walls</source>
        <translation>Stellen Sie den Router erhöht und nicht direkt an Wänden auf</translation>
    </message>
    <message>
        <source>5 GHz has shorter range but less interference</source>
        <translation>5 GHz hat eine geringere Reichweite, aber weniger Störungen</translation>
    </message>
    <message>
        <source>Compare router vs internet ping to identify where issues are</source>
        <translation>Vergleichen Sie Router- und Internet-Ping, um die Problemquelle zu finden</translation>
    </message>
    <message>
        <source>Use wired ethernet for gaming and video calls when possible</source>
        <translation>Nutzen Sie für Spiele und Videoanrufe möglichst ein LAN-Kabel</translation>
    </message>
    <message>
        <source>Any packet loss above 0% should be investigated</source>
        <translation>Jeder Paketverlust über 0 % sollte untersucht werden</translation>
    </message>
    <message>
        <source>Try changing WiFi channels if packet loss is high</source>
        <translation>Wechseln Sie bei hohem Paketverlust den WLAN-Kanal</translation>
    </message>
    <message>
        <source>Run a network scan to see what channels are crowded</source>
        <translation>Suchen Sie nach Netzwerken, um überfüllte Kanäle zu erkennen</translation>
    </message>
    <message>
        <source>Most routers let you change channel in their admin page (usually 192.168.1.1)</source>
        <translation>Bei den meisten Routern lässt sich der Kanal auf der Verwaltungsseite ändern (meist 192.168.1.1)</translation>
    </message>
    <message>
        <source>Restart your router if you haven&apos;t in a while</source>
        <translation>Starten Sie Ihren Router neu, wenn Sie das länger nicht getan haben</translation>
    </message>
    <message>
        <source>Check if the issue affects all devices or just one</source>
        <translation>Prüfen Sie, ob das Problem alle Geräte betrifft oder nur eines</translation>
    </message>
</context>
<context>
    <name>HelpView</name>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Connection history</source>
        <translation>Verbindungsverlauf</translation>
    </message>
    <message>
        <source>No readings in this period</source>
        <translation>Keine Messwerte in diesem Zeitraum</translation>
    </message>
    <message>
        <source>1 reading, quality %1 to %2</source>
        <extracomment>Read out by screen readers; %n is the number of readings, %1 and %2 the lowest and highest score</extracomment>
        <translation>1 Messwert, Qualität %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%n readings, quality %1 to %2</source>
        <translation>
            <numerusform>%n Messwert, Qualität %1 bis %2</numerusform>
            <numerusform>%n Messwerte, Qualität %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, internet response time %1 to %2 ms</source>
        <extracomment>Appended to the chart&apos;s summary; %1 and %2 are milliseconds</extracomment>
        <translation>, Internet-Antwortzeit %1 bis %2 ms</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Qualität: %1</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>Packet loss: %1</source>
        <translation>Paketverlust: %1</translation>
    </message>
    <message>
        <source>Router: %1</source>
        <translation>Router: %1</translation>
    </message>
    <message>
        <source>DNS: %1</source>
        <translation>DNS: %1</translation>
    </message>
    <message>
        <source>Signal: %1 dBm</source>
        <translation>Signal: %1 dBm</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Noch kein Verlauf</translation>
    </message>
    <message>
        <source>Linkmeter records a point every minute while it monitors your connection.</source>
        <translation>Linkmeter zeichnet jede Minute einen Messwert auf, solange es Ihre Verbindung überwacht.</translation>
    </message>
</context>
<context>
    <name>HistoryPresenter</name>
    <message>
        <source>24 Hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 Tage</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Quality score</source>
        <translation>Qualitätswert</translation>
    </message>
    <message>
        <source>Internet latency</source>
        <translation>Internetlatenz</translation>
    </message>
    <message>
        <source>Packet loss</source>
        <translation>Paketverlust</translation>
    </message>
    <message>
        <source>Event (point at it for details)</source>
        <translation>Ereignis (für Details darauf zeigen)</translation>
    </message>
</context>
<context>
    <name>IconValueMode</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>LinkmeterApp</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Willkommen bei Linkmeter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>Über Linkmeter</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>ListenAddress</name>
    <message>
        <source>Enter the address as host:port, for example 127.0.0.1:9469.</source>
        <translation>Geben Sie die Adresse als Host:Port ein, zum Beispiel 127.0.0.1:9469.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535 after the colon.</source>
        <translation>Geben Sie nach dem Doppelpunkt einen Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Enter a port from 0 to 65535 after the colon (0 picks a free one).</source>
        <translation>Geben Sie nach dem Doppelpunkt einen Port von 0 bis 65535 ein (0 wählt einen freien).</translation>
    </message>
    <message>
        <source>Enter an IP address before the colon, such as 127.0.0.1, 0.0.0.0 or [::1].</source>
        <translation>Geben Sie vor dem Doppelpunkt eine IP-Adresse ein, etwa 127.0.0.1, 0.0.0.0 oder [::1].</translation>
    </message>
    <message>
        <source>Prometheus on this computer can scrape the figures at:</source>
        <translation>Prometheus auf diesem Rechner kann die Werte hier abrufen:</translation>
    </message>
    <message>
        <source>Other computers on the network can read the figures, too, at:</source>
        <translation>Auch andere Rechner im Netzwerk können die Werte hier abrufen:</translation>
    </message>
</context>
<context>
    <name>LocationPermissionPage</name>
    <message>
        <source>Location Access</source>
        <translation>Standortzugriff</translation>
    </message>
    <message>
        <source>Linkmeter needs location access to identify your network name (SSID). On Linux the system shares it with desktop apps without asking.</source>
        <translation>Linkmeter benötigt Standortzugriff, um Ihren Netzwerknamen (SSID) zu ermitteln. Unter Linux gibt das System ihn ohne Nachfrage an Desktop-Apps weiter.</translation>
    </message>
    <message>
        <source>Location access granted</source>
        <translation>Standortzugriff erteilt</translation>
    </message>
    <message>
        <source>Allow Location Access</source>
        <translation>Standortzugriff erlauben</translation>
    </message>
</context>
<context>
    <name>MenuBarDisplayMode</name>
    <message>
        <source>Icon Only</source>
        <translation>Nur Symbol</translation>
    </message>
    <message>
        <source>Network icon only</source>
        <translation>Nur das Netzwerksymbol</translation>
    </message>
    <message>
        <source>Ping Time</source>
        <translation>Ping-Zeit</translation>
    </message>
    <message>
        <source>e.g., 5ms</source>
        <translation>z. B. 5 ms</translation>
    </message>
    <message>
        <source>Quality Score</source>
        <translation>Qualitätswert</translation>
    </message>
    <message>
        <source>e.g., 92</source>
        <translation>z. B. 92</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>e.g., ↓12 ↑3</source>
        <translation>z. B. ↓12 ↑3</translation>
    </message>
    <message>
        <source>Ping + Quality</source>
        <translation>Ping + Qualität</translation>
    </message>
    <message>
        <source>e.g., 5ms • 92</source>
        <translation>z. B. 5 ms • 92</translation>
    </message>
</context>
<context>
    <name>MenuBarSettingsTab</name>
    <message>
        <source>Panel Display</source>
        <translation>Anzeige in der Leiste</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Show Icon</source>
        <translation>Symbol anzeigen</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Text anzeigen</translation>
    </message>
    <message>
        <source>Show the value in the icon</source>
        <translation>Wert im Symbol anzeigen</translation>
    </message>
    <message>
        <source>Popover</source>
        <translation>Popover</translation>
    </message>
    <message>
        <source>Compact mode reduces spacing for a denser layout</source>
        <translation>Der Kompaktmodus verringert Abstände für eine dichtere Darstellung</translation>
    </message>
    <message>
        <source>Compact Mode</source>
        <translation>Kompaktmodus</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Tipps anzeigen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>NearbyNetworksPresenter</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Ch %1</source>
        <translation>Kanal %1</translation>
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
        <translation>Netzwerke in der Nähe</translation>
    </message>
    <message>
        <source>Scan for Networks</source>
        <translation>Nach Netzwerken suchen</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No networks found</source>
        <translation>Keine Netzwerke gefunden</translation>
    </message>
</context>
<context>
    <name>NetworkInfoPresenter</name>
    <message>
        <source>DNS changed to %1</source>
        <translation>DNS auf %1 umgestellt</translation>
    </message>
</context>
<context>
    <name>NetworkInfoView</name>
    <message>
        <source>Network Info</source>
        <translation>Netzwerkinfo</translation>
    </message>
    <message>
        <source>Public IP</source>
        <translation>Öffentliche IP</translation>
    </message>
</context>
<context>
    <name>NetworkInsight</name>
    <message>
        <source>%1% better than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1 % besser als sonst</translation>
    </message>
    <message>
        <source>%1% slower than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1 % langsamer als sonst</translation>
    </message>
    <message>
        <source>Reliably good here</source>
        <translation>Hier zuverlässig gut</translation>
    </message>
    <message>
        <source>Usually struggles here</source>
        <translation>Hier meist problematisch</translation>
    </message>
</context>
<context>
    <name>NoInternetBanner</name>
    <message>
        <source>No Internet Connection</source>
        <translation>Keine Internetverbindung</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Internet Feeling Sluggish</source>
        <translation>Internet wirkt träge</translation>
    </message>
    <message>
        <source>Response time is %1ms — things may feel slow</source>
        <translation>Antwortzeit liegt bei %1 ms – alles kann langsam wirken</translation>
    </message>
    <message>
        <source>Connection Slowing Down</source>
        <translation>Verbindung wird langsamer</translation>
    </message>
    <message>
        <source>Response time increased to %1ms</source>
        <translation>Antwortzeit auf %1 ms gestiegen</translation>
    </message>
    <message>
        <source>Connection Recovered!</source>
        <translation>Verbindung wiederhergestellt!</translation>
    </message>
    <message>
        <source>Response time is back to normal (%1ms)</source>
        <translation>Antwortzeit wieder normal (%1 ms)</translation>
    </message>
    <message>
        <source>Connection Unstable</source>
        <translation>Verbindung instabil</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through (%1% dropped)</source>
        <translation>Einige Daten kommen nicht an (%1 % verloren)</translation>
    </message>
    <message>
        <source>Connection Stabilized</source>
        <translation>Verbindung stabilisiert</translation>
    </message>
    <message>
        <source>Data flow is back to normal</source>
        <translation>Datenfluss wieder normal</translation>
    </message>
    <message>
        <source>WiFi Signal Is Weak</source>
        <translation>WLAN-Signal ist schwach</translation>
    </message>
    <message>
        <source>Try moving closer to your router</source>
        <translation>Gehen Sie näher an Ihren Router</translation>
    </message>
    <message>
        <source>WiFi Signal Dropped</source>
        <translation>WLAN-Signal hat nachgelassen</translation>
    </message>
    <message>
        <source>You may have moved away from the router</source>
        <translation>Sie haben sich vielleicht vom Router entfernt</translation>
    </message>
    <message>
        <source>Signal Strength Improved!</source>
        <translation>Signalstärke verbessert!</translation>
    </message>
    <message>
        <source>Much better reception now</source>
        <translation>Der Empfang ist jetzt deutlich besser</translation>
    </message>
    <message>
        <source>Network Changed</source>
        <translation>Netzwerk gewechselt</translation>
    </message>
    <message>
        <source>Your public IP address updated</source>
        <translation>Ihre öffentliche IP-Adresse hat sich geändert</translation>
    </message>
    <message>
        <source>Now on %1 (%2 dBm, was %3 dBm)</source>
        <translation>Jetzt über %1 (%2 dBm, vorher %3 dBm)</translation>
    </message>
    <message>
        <source>Sign-In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>This network needs you to log in first</source>
        <translation>Bitte melden Sie sich zuerst in diesem Netzwerk an</translation>
    </message>
    <message>
        <source>You&apos;re Offline</source>
        <translation>Sie sind offline</translation>
    </message>
    <message>
        <source>Can&apos;t reach the internet right now</source>
        <translation>Das Internet ist gerade nicht erreichbar</translation>
    </message>
    <message>
        <source>Roamed to another access point</source>
        <translation>Zu einem anderen Zugangspunkt gewechselt</translation>
    </message>
</context>
<context>
    <name>NotificationPermissionPage</name>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Get alerted when your connection has issues like high latency, packet loss, or weak signal. You can customize these in Settings.</source>
        <translation>Lassen Sie sich warnen, wenn Ihre Verbindung Probleme hat, etwa hohe Latenz, Paketverlust oder ein schwaches Signal. Das können Sie in den Einstellungen anpassen.</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Benachrichtigungen aktiviert</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Benachrichtigungen aktivieren</translation>
    </message>
</context>
<context>
    <name>NotificationServerHint</name>
    <message>
        <source>No notification service is running.</source>
        <translation>Es läuft kein Benachrichtigungsdienst.</translation>
    </message>
    <message>
        <source>GNOME shows notifications itself: sign out and back in to restart it.</source>
        <translation>GNOME zeigt Benachrichtigungen selbst an: Melden Sie sich ab und wieder an, um den Dienst neu zu starten.</translation>
    </message>
    <message>
        <source>Plasma shows notifications itself: sign out and back in to restart it.</source>
        <translation>Plasma zeigt Benachrichtigungen selbst an: Melden Sie sich ab und wieder an, um den Dienst neu zu starten.</translation>
    </message>
    <message>
        <source>Cinnamon shows notifications itself: sign out and back in to restart it.</source>
        <translation>Cinnamon zeigt Benachrichtigungen selbst an: Melden Sie sich ab und wieder an, um den Dienst neu zu starten.</translation>
    </message>
    <message>
        <source>Install the xfce4-notifyd package; Xfce starts it when needed.</source>
        <translation>Installieren Sie das Paket xfce4-notifyd; Xfce startet es bei Bedarf.</translation>
    </message>
    <message>
        <source>Install the mate-notification-daemon package; MATE starts it when needed.</source>
        <translation>Installieren Sie das Paket mate-notification-daemon; MATE startet es bei Bedarf.</translation>
    </message>
    <message>
        <source>Turn on the notification daemon in LXQt Session Settings, Basic Settings.</source>
        <translation>Schalten Sie den Benachrichtigungsdienst in den LXQt-Sitzungseinstellungen unter „Grundeinstellungen“ ein.</translation>
    </message>
    <message>
        <source>Start a notification daemon such as dunst or mako.</source>
        <translation>Starten Sie einen Benachrichtigungsdienst wie dunst oder mako.</translation>
    </message>
</context>
<context>
    <name>NotificationsSettingsTab</name>
    <message>
        <source>High Response Time</source>
        <translation>Hohe Antwortzeit</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Paketverlust</translation>
    </message>
    <message>
        <source>Weak Signal</source>
        <translation>Schwaches Signal</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Public IP Changed</source>
        <translation>Öffentliche IP geändert</translation>
    </message>
    <message>
        <source>Roaming</source>
        <translation>Roaming</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Anfordern</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Notifications won&apos;t repeat within 60 seconds</source>
        <translation>Benachrichtigungen wiederholen sich frühestens nach 60 Sekunden</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Benachrichtigungen aktivieren</translation>
    </message>
    <message>
        <source>Notifications Enabled</source>
        <translation>Benachrichtigungen aktiviert</translation>
    </message>
    <message>
        <source>System permissions granted</source>
        <translation>Systemberechtigung erteilt</translation>
    </message>
    <message>
        <source>Permission Required</source>
        <translation>Berechtigung erforderlich</translation>
    </message>
    <message>
        <source>Start your desktop&apos;s notification service</source>
        <translation>Starten Sie den Benachrichtigungsdienst Ihres Desktops</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PingCard</name>
    <message>
        <source>Response Time</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Verloren</translation>
    </message>
</context>
<context>
    <name>QualityRating</name>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Perfect for video calls &amp; gaming</source>
        <translation>Ideal für Videoanrufe &amp; Spiele</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Great for most activities</source>
        <translation>Gut für die meisten Zwecke</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>May experience occasional issues</source>
        <translation>Gelegentlich können Probleme auftreten</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Expect slowdowns and interruptions</source>
        <translation>Mit Verzögerungen und Aussetzern rechnen</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Connection is unstable</source>
        <translation>Die Verbindung ist instabil</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Gathering data...</source>
        <translation>Daten werden gesammelt...</translation>
    </message>
</context>
<context>
    <name>QualityText</name>
    <message>
        <source>Connection quality %1 of 100, %2</source>
        <extracomment>Read out by screen readers; %1 is the score, %2 the rating (&quot;Excellent&quot;)</extracomment>
        <translation>Verbindungsqualität %1 von 100, %2</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>Alles bereit!</translation>
    </message>
    <message>
        <source>Monitor signal strength</source>
        <translation>Signalstärke überwachen</translation>
    </message>
    <message>
        <source>Track latency &amp; packet loss</source>
        <translation>Latenz &amp; Paketverlust verfolgen</translation>
    </message>
    <message>
        <source>Get improvement tips</source>
        <translation>Tipps zur Verbesserung erhalten</translation>
    </message>
    <message>
        <source>Analyze nearby networks</source>
        <translation>Netzwerke in der Nähe analysieren</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
</context>
<context>
    <name>RecommendationRow</name>
    <message>
        <source>Best</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>networks</source>
        <translation>Netzwerke</translation>
    </message>
</context>
<context>
    <name>RelativeTimeLabel</name>
    <message>
        <source>1 year ago</source>
        <translation>vor 1 Jahr</translation>
    </message>
    <message>
        <source>%n years ago</source>
        <translation>vor %n Jahren</translation>
    </message>
    <message>
        <source>1 month ago</source>
        <translation>vor 1 Monat</translation>
    </message>
    <message>
        <source>%n months ago</source>
        <translation>vor %n Monaten</translation>
    </message>
    <message>
        <source>1 week ago</source>
        <translation>vor 1 Woche</translation>
    </message>
    <message>
        <source>%n weeks ago</source>
        <translation>vor %n Wochen</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message>
        <source>%n days ago</source>
        <translation>vor %n Tagen</translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation>vor 1 Stunde</translation>
    </message>
    <message>
        <source>%n hours ago</source>
        <translation>vor %n Stunden</translation>
    </message>
    <message>
        <source>1 minute ago</source>
        <translation>vor 1 Minute</translation>
    </message>
    <message>
        <source>%n minutes ago</source>
        <translation>vor %n Minuten</translation>
    </message>
    <message>
        <source>1 second ago</source>
        <translation>vor 1 Sekunde</translation>
    </message>
    <message>
        <source>%n seconds ago</source>
        <translation>vor %n Sekunden</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
</context>
<context>
    <name>RouterBrand</name>
    <message>
        <source>Contact your ISP about a WiFi extender or upgraded router</source>
        <translation>Fragen Sie Ihren Internetanbieter nach einem WLAN-Repeater oder einem besseren Router</translation>
    </message>
    <message>
        <source>Consider adding another mesh point for better coverage</source>
        <translation>Ein weiterer Mesh-Knoten kann die Abdeckung verbessern</translation>
    </message>
    <message>
        <source>Try Netgear&apos;s WiFi Analytics app to find the best spot</source>
        <translation>Finden Sie mit der Netgear-App WiFi Analytics den besten Standort</translation>
    </message>
    <message>
        <source>Try enabling Netgear Armor&apos;s channel optimization</source>
        <translation>Aktivieren Sie die Kanaloptimierung von Netgear Armor</translation>
    </message>
    <message>
        <source>Use TP-Link Tether app to check for channel congestion</source>
        <translation>Prüfen Sie mit der TP-Link-App Tether, ob Kanäle überlastet sind</translation>
    </message>
    <message>
        <source>Enable Smart Connect in ASUS router settings to auto-select bands</source>
        <translation>Aktivieren Sie Smart Connect in den ASUS-Routereinstellungen, damit das Frequenzband automatisch gewählt wird</translation>
    </message>
    <message>
        <source>Run a speed test at speedtest.net and contact your ISP if speeds are slow</source>
        <translation>Machen Sie einen Speedtest auf speedtest.net und wenden Sie sich bei langsamen Werten an Ihren Internetanbieter</translation>
    </message>
    <message>
        <source>Check Google Home app for device prioritization options</source>
        <translation>In der Google Home App finden Sie Optionen zur Priorisierung von Geräten</translation>
    </message>
    <message>
        <source>Open AirPort Utility app</source>
        <translation>Öffnen Sie das AirPort-Dienstprogramm</translation>
    </message>
    <message>
        <source>Open Google Home app</source>
        <translation>Öffnen Sie die Google Home App</translation>
    </message>
    <message>
        <source>Open eero app</source>
        <translation>Öffnen Sie die eero-App</translation>
    </message>
    <message>
        <source>Open the Xfinity app or visit xfinity.com/myaccount</source>
        <translation>Öffnen Sie die Xfinity-App oder besuchen Sie xfinity.com/myaccount</translation>
    </message>
    <message>
        <source>Open %1 in your browser</source>
        <extracomment>%1 is the address of the router&apos;s administration page</extracomment>
        <translation>Öffnen Sie %1 im Browser</translation>
    </message>
</context>
<context>
    <name>ScanError</name>
    <message>
        <source>No WiFi interface available</source>
        <translation>Keine WLAN-Schnittstelle verfügbar</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 seconds</source>
        <extracomment>An interval in the settings&apos; menus, for a value no menu entry offers</extracomment>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Leiste</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Mitteilungen</translation>
    </message>
</context>
<context>
    <name>SignalBarsView</name>
    <message>
        <source>Signal strength unknown</source>
        <translation>Signalstärke unbekannt</translation>
    </message>
    <message>
        <source>very weak</source>
        <translation>sehr schwach</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>mäßig</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gut</translation>
    </message>
    <message>
        <source>excellent</source>
        <translation>ausgezeichnet</translation>
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
        <translation>Letzte Werte</translation>
    </message>
    <message>
        <source>%1, no values yet</source>
        <translation>%1, noch keine Werte</translation>
    </message>
    <message numerus="yes">
        <source>%1, last %n values, %2 to %3</source>
        <extracomment>Read out by screen readers: &quot;Internet response time, last 60 values, 12 ms to 31 ms&quot;</extracomment>
        <translation>
            <numerusform>%1, letzter %n Wert, %2 bis %3</numerusform>
            <numerusform>%1, letzte %n Werte, %2 bis %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeedTestView</name>
    <message>
        <source>SPEED TEST</source>
        <translation>SPEEDTEST</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Last tested: </source>
        <extracomment>Before how long ago the last speed test ran.</extracomment>
        <translation>Zuletzt getestet: </translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Erneut testen</translation>
    </message>
    <message>
        <source>Speed test failed</source>
        <translation>Speedtest fehlgeschlagen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>StatusCard</name>
    <message>
        <source>Location required</source>
        <translation>Standortzugriff nötig</translation>
    </message>
    <message>
        <source>Monitoring paused</source>
        <translation>Überwachung pausiert</translation>
    </message>
</context>
<context>
    <name>StatusPresenter</name>
    <message>
        <source>Looking Great!</source>
        <translation>Alles bestens!</translation>
    </message>
    <message>
        <source>Perfect for video calls and streaming</source>
        <translation>Ideal für Videoanrufe und Streaming</translation>
    </message>
    <message>
        <source>All Good</source>
        <translation>Alles gut</translation>
    </message>
    <message>
        <source>Should work well for most things</source>
        <translation>Sollte für fast alles gut reichen</translation>
    </message>
    <message>
        <source>Hanging In There</source>
        <translation>Geht so</translation>
    </message>
    <message>
        <source>Might be a bit slow at times</source>
        <translation>Kann zeitweise etwas langsam sein</translation>
    </message>
    <message>
        <source>Having Trouble</source>
        <translation>Etwas holprig</translation>
    </message>
    <message>
        <source>You may notice some hiccups</source>
        <translation>Es kann zu Aussetzern kommen</translation>
    </message>
    <message>
        <source>Struggling</source>
        <translation>Große Probleme</translation>
    </message>
    <message>
        <source>Things might not work well</source>
        <translation>Manches funktioniert evtl. nicht</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Give me a moment...</source>
        <translation>Einen Moment...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Open %1 Settings</source>
        <translation>%1-Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Tip for your %1</source>
        <translation>Tipp für Ihren %1-Router</translation>
    </message>
</context>
<context>
    <name>StatusScreenshotView</name>
    <message>
        <source>WiFi Status</source>
        <translation>WLAN-Status</translation>
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
        <translation>Screenshot des Status teilen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Allow location to see network name</source>
        <translation>Für den Netzwerknamen Standort erlauben</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Get alerts when connection has issues</source>
        <translation>Warnungen bei Verbindungsproblemen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
</context>
<context>
    <name>ThresholdsSettingsTab</name>
    <message>
        <source>Enter a whole number of milliseconds from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed response times in milliseconds</extracomment>
        <translation>Geben Sie eine ganze Zahl von %1 bis %2 Millisekunden ein.</translation>
    </message>
    <message>
        <source>Enter a percentage from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed percentages</extracomment>
        <translation>Geben Sie einen Prozentwert von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The warning value can&apos;t be above the critical value.</source>
        <translation>Der Warnwert darf nicht über dem kritischen Wert liegen.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A threshold field&apos;s name for screen readers: the level and its unit, &quot;Warning (ms)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Alert when ping exceeds these values</source>
        <translation>Warnen, wenn der Ping diese Werte überschreitet</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Paketverlust</translation>
    </message>
    <message>
        <source>Alert when packet loss exceeds these values</source>
        <translation>Warnen, wenn der Paketverlust diese Werte überschreitet</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
</context>
<context>
    <name>TimelineEvent</name>
    <message>
        <source>Internet connection lost</source>
        <translation>Internetverbindung verloren</translation>
    </message>
    <message>
        <source>Internet connection back</source>
        <translation>Internetverbindung wieder da</translation>
    </message>
    <message>
        <source>Sign-in page detected</source>
        <translation>Anmeldeseite erkannt</translation>
    </message>
    <message>
        <source>DNS servers changed</source>
        <translation>DNS-Server geändert</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Überwachung gestartet</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Überwachung beendet</translation>
    </message>
    <message>
        <source>Speed test</source>
        <translation>Speedtest</translation>
    </message>
</context>
<context>
    <name>Tip</name>
    <message>
        <source>Weak Signal</source>
        <translation>Schwaches Signal</translation>
    </message>
    <message>
        <source>Signal strength is very low (%1 dBm).</source>
        <translation>Die Signalstärke ist sehr gering (%1 dBm).</translation>
    </message>
    <message>
        <source>Move closer to your router, or try removing obstacles like walls and furniture between you and the router.</source>
        <translation>Gehen Sie näher an Ihren Router oder verringern Sie Hindernisse wie Wände und Möbel zwischen Ihnen und dem Router.</translation>
    </message>
    <message>
        <source>Fair Signal</source>
        <translation>Mäßiges Signal</translation>
    </message>
    <message>
        <source>Signal is moderate (%1 dBm) - good enough but could be better.</source>
        <translation>Das Signal ist mäßig (%1 dBm) – ausreichend, aber ausbaufähig.</translation>
    </message>
    <message>
        <source>For better speeds, try moving closer to your router or to a different room.</source>
        <translation>Für mehr Geschwindigkeit gehen Sie näher an Ihren Router oder in einen anderen Raum.</translation>
    </message>
    <message>
        <source>Using 2.4 GHz Band</source>
        <translation>Im 2,4-GHz-Band</translation>
    </message>
    <message>
        <source>The 2.4 GHz band has good range but can be crowded and slower.</source>
        <translation>Das 2,4-GHz-Band hat eine gute Reichweite, ist aber oft überfüllt und langsamer.</translation>
    </message>
    <message>
        <source>If your router has both bands, look for a network name ending in &quot;_5G&quot; or &quot;5GHz&quot; in your WiFi settings for faster speeds.</source>
        <translation>Bietet Ihr Router beide Bänder, suchen Sie in Ihren WLAN-Einstellungen nach einem Netzwerknamen, der auf „_5G“ oder „5GHz“ endet – das ist schneller.</translation>
    </message>
    <message>
        <source>Narrow Channel Width</source>
        <translation>Schmale Kanalbreite</translation>
    </message>
    <message>
        <source>Your router is using a %1 MHz channel width.</source>
        <translation>Ihr Router nutzt eine Kanalbreite von %1 MHz.</translation>
    </message>
    <message>
        <source>Log into your router&apos;s admin page (usually 192.168.1.1) and look for &quot;Channel Width&quot; or &quot;Bandwidth&quot; settings. Set it to 80 MHz for faster speeds.</source>
        <translation>Melden Sie sich auf der Verwaltungsseite Ihres Routers an (meist 192.168.1.1) und suchen Sie nach der Einstellung „Kanalbreite“ oder „Bandbreite“. Stellen Sie 80 MHz ein, um schneller zu surfen.</translation>
    </message>
    <message>
        <source>High Interference</source>
        <translation>Starke Störungen</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio is low (%1 dB) - other devices may be causing interference.</source>
        <translation>Der Signal-Rausch-Abstand ist gering (%1 dB) – andere Geräte stören möglicherweise.</translation>
    </message>
    <message>
        <source>Move away from microwaves, baby monitors, or other electronics. You can also try changing your router&apos;s WiFi channel in its admin settings.</source>
        <translation>Halten Sie Abstand zu Mikrowellen, Babyfonen und anderen Elektrogeräten. Sie können auch in den Einstellungen Ihres Routers den WLAN-Kanal wechseln.</translation>
    </message>
    <message>
        <source>Slow Router Response</source>
        <translation>Router antwortet langsam</translation>
    </message>
    <message>
        <source>Router is taking %1ms to respond (should be &lt;5ms).</source>
        <translation>Der Router braucht %1 ms für eine Antwort (sollte unter 5 ms liegen).</translation>
    </message>
    <message>
        <source>Try restarting your router by unplugging it for 30 seconds. If the problem persists, your router may be overloaded.</source>
        <translation>Starten Sie den Router neu, indem Sie ihn 30 Sekunden vom Strom trennen. Besteht das Problem weiter, ist der Router möglicherweise überlastet.</translation>
    </message>
    <message>
        <source>Connection Dropping</source>
        <translation>Verbindungsabbrüche</translation>
    </message>
    <message>
        <source>%1% of data packets are being lost to your router.</source>
        <translation>%1 % der Datenpakete zum Router gehen verloren.</translation>
    </message>
    <message>
        <source>This usually means WiFi interference. Try moving closer to your router, or scan nearby networks to find a less crowded channel.</source>
        <translation>Das deutet meist auf WLAN-Störungen hin. Gehen Sie näher an den Router oder suchen Sie nach Netzwerken in der Nähe, um einen weniger belegten Kanal zu finden.</translation>
    </message>
    <message>
        <source>Unstable Connection</source>
        <translation>Instabile Verbindung</translation>
    </message>
    <message>
        <source>Connection timing varies by %1ms (jitter). This affects video calls and gaming.</source>
        <translation>Die Antwortzeit schwankt um %1 ms (Jitter). Das beeinträchtigt Videoanrufe und Spiele.</translation>
    </message>
    <message>
        <source>Reduce the number of devices using WiFi, or connect your computer directly to the router with an ethernet cable for important calls.</source>
        <translation>Verringern Sie die Zahl der Geräte im WLAN oder verbinden Sie Ihren Computer für wichtige Anrufe per LAN-Kabel direkt mit dem Router.</translation>
    </message>
    <message>
        <source>Slow Internet Response</source>
        <translation>Internet antwortet langsam</translation>
    </message>
    <message>
        <source>Internet latency is %1ms (should be &lt;30ms for most uses).</source>
        <translation>Die Internetlatenz beträgt %1 ms (sollte für die meisten Zwecke unter 30 ms liegen).</translation>
    </message>
    <message>
        <source>This is usually outside your control - it&apos;s between you and your ISP. For gaming or video calls, try a wired connection.</source>
        <translation>Das liegt meist nicht bei Ihnen, sondern beim Internetanbieter. Für Spiele oder Videoanrufe ist ein Kabel besser.</translation>
    </message>
    <message>
        <source>Internet Packet Loss</source>
        <translation>Paketverlust im Internet</translation>
    </message>
    <message>
        <source>%1% of data is being lost on the way to the internet.</source>
        <translation>%1 % der Daten gehen auf dem Weg ins Internet verloren.</translation>
    </message>
    <message>
        <source>If your local network is fine (check router ping), contact your ISP - the problem is on their end.</source>
        <translation>Ist Ihr lokales Netzwerk in Ordnung (Router-Ping prüfen), wenden Sie sich an Ihren Internetanbieter – das Problem liegt dort.</translation>
    </message>
    <message>
        <source>ISP Is the Bottleneck</source>
        <translation>Engpass beim Internetanbieter</translation>
    </message>
    <message>
        <source>Your local WiFi is fast, but the internet connection is slow.</source>
        <translation>Ihr lokales WLAN ist schnell, aber die Internetverbindung ist langsam.</translation>
    </message>
    <message>
        <source>The issue is with your Internet Service Provider, not your home network. Contact them if speeds are significantly below what you&apos;re paying for.</source>
        <translation>Das Problem liegt bei Ihrem Internetanbieter, nicht in Ihrem Heimnetz. Wenden Sie sich an ihn, wenn die Geschwindigkeit deutlich unter dem gebuchten Tarif liegt.</translation>
    </message>
    <message>
        <source>Slow DNS Lookup</source>
        <translation>Langsame DNS-Auflösung</translation>
    </message>
    <message>
        <source>Website name lookups taking %1ms (should be &lt;50ms).</source>
        <translation>Das Auflösen von Websitenamen dauert %1 ms (sollte unter 50 ms liegen).</translation>
    </message>
    <message>
        <source>Use the DNS section below to switch to a faster DNS like Cloudflare (1.1.1.1) or Google (8.8.8.8).</source>
        <translation>Wechseln Sie im DNS-Bereich unten zu einem schnelleren DNS wie Cloudflare (1.1.1.1) oder Google (8.8.8.8).</translation>
    </message>
    <message>
        <source>DNS Not Working</source>
        <translation>DNS funktioniert nicht</translation>
    </message>
    <message>
        <source>Cannot look up website names - this will prevent most websites from loading.</source>
        <translation>Websitenamen können nicht aufgelöst werden – die meisten Websites laden dadurch nicht.</translation>
    </message>
    <message>
        <source>Try switching DNS servers using the Network Info section. If that doesn&apos;t help, restart your router.</source>
        <translation>Wechseln Sie den DNS-Server im Bereich „Netzwerkinfo“. Hilft das nicht, starten Sie Ihren Router neu.</translation>
    </message>
</context>
<context>
    <name>TipsSection</name>
    <message>
        <source>TIPS</source>
        <translation>TIPPS</translation>
    </message>
</context>
<context>
    <name>TransportFailure</name>
    <message>
        <source>No response</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Names can&apos;t be looked up (DNS is not answering)</source>
        <translation>Namen können nicht aufgelöst werden (DNS antwortet nicht)</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Zeitüberschreitung bei der Verbindung</translation>
    </message>
    <message>
        <source>The network refused the connection</source>
        <translation>Das Netzwerk hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>No route to the internet</source>
        <translation>Keine Route ins Internet</translation>
    </message>
    <message>
        <source>The connection failed</source>
        <translation>Die Verbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not reach the speed test server</source>
        <translation>Der Speedtest-Server ist nicht erreichbar</translation>
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
        <translation>Linkmeter: %1</translation>
    </message>
</context>
<context>
    <name>TrayPage</name>
    <message>
        <source>Tray Icon</source>
        <translation>Symbol im Infobereich</translation>
    </message>
    <message>
        <source>Tray found</source>
        <translation>Infobereich gefunden</translation>
    </message>
    <message>
        <source>Linkmeter lives in your panel&apos;s tray. Click its icon any time to see how your connection is doing.</source>
        <translation>Linkmeter wohnt im Infobereich Ihrer Leiste. Klicken Sie jederzeit auf das Symbol, um zu sehen, wie es um Ihre Verbindung steht.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Turn on &quot;AppIndicator and KStatusNotifierItem Support&quot; in the Extensions app, or run:</source>
        <translation>GNOME zeigt Symbole im Infobereich nur mit der Erweiterung AppIndicator an. Aktivieren Sie „AppIndicator and KStatusNotifierItem Support“ in der App „Erweiterungen“ oder führen Sie Folgendes aus:</translation>
    </message>
    <message>
        <source>Your panel has no tray for Linkmeter&apos;s icon yet. Add the status tray (or system tray) to your panel. Until then, Linkmeter opens as a small window.</source>
        <translation>Ihre Leiste hat noch keinen Infobereich für das Symbol von Linkmeter. Fügen Sie Ihrer Leiste einen Infobereich hinzu (Status Tray oder System Tray). Bis dahin öffnet sich Linkmeter als kleines Fenster.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Downloading update...</source>
        <translation>Update wird geladen...</translation>
    </message>
    <message>
        <source>Relaunch Linkmeter</source>
        <translation>Linkmeter neu starten</translation>
    </message>
    <message>
        <source>Install the package, then relaunch</source>
        <translation>Paket installieren, dann neu starten</translation>
    </message>
    <message>
        <source>Update Ready!</source>
        <translation>Update bereit!</translation>
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
        <translation>Update verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Willkommen bei Linkmeter</translation>
    </message>
    <message>
        <source>Monitor your WiFi connection quality, diagnose issues, and get actionable tips to improve your network.</source>
        <translation>Überwachen Sie die Qualität Ihrer WLAN-Verbindung, finden Sie Ursachen von Problemen und erhalten Sie konkrete Tipps für ein besseres Netzwerk.</translation>
    </message>
</context>
<context>
    <name>WiFiInfo</name>
    <message>
        <source>Unknown Network</source>
        <translation>Unbekanntes Netzwerk</translation>
    </message>
</context>
</TS>
