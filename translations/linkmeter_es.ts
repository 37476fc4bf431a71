<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutView</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>Real-time signal monitoring</source>
        <translation>Supervisión de la señal en tiempo real</translation>
    </message>
    <message>
        <source>Latency &amp; packet loss tracking</source>
        <translation>Latencia y pérdida de paquetes</translation>
    </message>
    <message>
        <source>Network analysis &amp; recommendations</source>
        <translation>Análisis de red y recomendaciones</translation>
    </message>
    <message>
        <source>Smart connection alerts</source>
        <translation>Alertas inteligentes de conexión</translation>
    </message>
    <message>
        <source>Built with Qt</source>
        <translation>Creado con Qt</translation>
    </message>
    <message>
        <source>Made for the Linux desktop</source>
        <translation>Hecho para el escritorio Linux</translation>
    </message>
</context>
<context>
    <name>ActivityIndicator</name>
    <message>
        <source>Working</source>
        <translation>Procesando</translation>
    </message>
</context>
<context>
    <name>AdditionalInfoRow</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>AppActions</name>
    <message>
        <source>Open Linkmeter</source>
        <translation>Abrir Linkmeter</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>Pause Monitoring</source>
        <translation>Pausar supervisión</translation>
    </message>
    <message>
        <source>Resume Monitoring</source>
        <translation>Reanudar supervisión</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>Acerca de Linkmeter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>BandwidthView</name>
    <message>
        <source>BANDWIDTH</source>
        <translation>ANCHO DE BANDA</translation>
    </message>
    <message>
        <source>Real-time</source>
        <translation>En tiempo real</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
</context>
<context>
    <name>CaptivePortalBanner</name>
    <message>
        <source>Captive Portal Detected</source>
        <translation>Portal cautivo detectado</translation>
    </message>
    <message>
        <source>This network requires login. Open a browser to authenticate.</source>
        <translation>Esta red requiere iniciar sesión. Hay que abrir un navegador para autenticarse.</translation>
    </message>
    <message>
        <source>Open Login Page</source>
        <translation>Abrir página de acceso</translation>
    </message>
</context>
<context>
    <name>Channel2GHzChart</name>
    <message>
        <source>Networks per 2.4 GHz channel</source>
        <translation>Redes por canal de 2.4 GHz</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Redes</translation>
    </message>
</context>
<context>
    <name>Channel5GHzChart</name>
    <message>
        <source>Networks per 5 GHz channel group</source>
        <translation>Redes por grupo de canales de 5 GHz</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Grupo de canales</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Redes</translation>
    </message>
</context>
<context>
    <name>ChannelBarChart</name>
    <message>
        <source>No networks</source>
        <translation>Sin redes</translation>
    </message>
    <message>
        <source>%1: 1 network</source>
        <extracomment>One bar of a channel chart, read out by screen readers: &quot;6: 3 networks&quot;</extracomment>
        <translation>%1: 1 red</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n networks</source>
        <translation>
            <numerusform>%1: %n red</numerusform>
            <numerusform>%1: %n redes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelGraphView</name>
    <message>
        <source>Channel Usage</source>
        <translation>Uso de canales</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>2.4 GHz</source>
        <translation>2.4 GHz</translation>
    </message>
    <message>
        <source>5 GHz</source>
        <translation>5 GHz</translation>
    </message>
    <message>
        <source>Scan networks to see channel usage</source>
        <translation>Buscar redes para ver el uso de los canales</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Poco uso</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Crowded</source>
        <translation>Saturado</translation>
    </message>
</context>
<context>
    <name>ChannelRecommendation</name>
    <message>
        <source>No networks detected - optimal choice</source>
        <translation>No se detectan redes: opción ideal</translation>
    </message>
    <message>
        <source>1 weak network - good choice</source>
        <translation>1 red débil: buena opción</translation>
    </message>
    <message>
        <source>%1 networks with moderate interference</source>
        <translation>%1 redes con interferencia moderada</translation>
    </message>
    <message>
        <source>%1 networks - consider other channels</source>
        <translation>%1 redes: conviene probar otros canales</translation>
    </message>
    <message>
        <source>Congested - %1 networks detected</source>
        <translation>Saturado: %1 redes detectadas</translation>
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
        <translation>2.4 GHz</translation>
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
        <translation>Canales recomendados</translation>
    </message>
    <message>
        <source>Scan networks to get recommendations</source>
        <translation>Buscar redes para obtener recomendaciones</translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation>Buscar ahora</translation>
    </message>
    <message>
        <source>For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, any channel works well due to wider spacing.</source>
        <translation>En 2.4 GHz, los canales 1, 6 y 11 no se solapan. En 5 GHz, cualquier canal funciona bien gracias a su mayor separación.</translation>
    </message>
</context>
<context>
    <name>ChannelUsagePresenter</name>
    <message>
        <source>Recommended: Channels 36-48 or 149-165 (non-DFS)</source>
        <translation>Recomendado: canales 36-48 o 149-165 (sin DFS)</translation>
    </message>
    <message>
        <source>Recommended: Ch 1, 6, or 11 (non-overlapping)</source>
        <translation>Recomendado: canales 1, 6 u 11 (sin solapamiento)</translation>
    </message>
</context>
<context>
    <name>ConnectionInfoView</name>
    <message>
        <source>The network name needs location access</source>
        <translation>El nombre de la red requiere acceso a la ubicación</translation>
    </message>
    <message>
        <source>WIFI</source>
        <translation>WI-FI</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Grant location access to see network name</source>
        <translation>Permitir la ubicación para ver el nombre de la red</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Not connected to Wi-Fi</source>
        <translation>Sin conexión Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ConnectionIssue</name>
    <message>
        <source>Can&apos;t reach the internet</source>
        <translation>No hay conexión a Internet</translation>
    </message>
    <message>
        <source>This network needs you to sign in</source>
        <translation>Esta red requiere iniciar sesión</translation>
    </message>
    <message>
        <source>Signal is really weak here</source>
        <translation>La señal es muy débil aquí</translation>
    </message>
    <message>
        <source>Signal could be stronger</source>
        <translation>La señal podría ser más fuerte</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through</source>
        <translation>Se están perdiendo algunos datos</translation>
    </message>
    <message>
        <source>Internet is responding slowly</source>
        <translation>Internet responde con lentitud</translation>
    </message>
    <message>
        <source>Things are a bit sluggish</source>
        <translation>Todo va un poco lento</translation>
    </message>
    <message>
        <source>Connection keeps changing</source>
        <translation>La conexión cambia constantemente</translation>
    </message>
</context>
<context>
    <name>ConnectionQualityView</name>
    <message>
        <source>CONNECTION QUALITY</source>
        <translation>CALIDAD DE LA CONEXIÓN</translation>
    </message>
</context>
<context>
    <name>DNSPreset</name>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Use router/ISP DNS</source>
        <translation>DNS del router o del proveedor</translation>
    </message>
    <message>
        <source>Fast, privacy-focused</source>
        <translation>Rápido y centrado en la privacidad</translation>
    </message>
    <message>
        <source>Reliable public DNS</source>
        <translation>DNS público fiable</translation>
    </message>
    <message>
        <source>Security &amp; malware blocking</source>
        <translation>Seguridad y bloqueo de malware</translation>
    </message>
    <message>
        <source>Family-friendly options</source>
        <translation>Opciones de control parental</translation>
    </message>
    <message>
        <source>Ad &amp; tracker blocking</source>
        <translation>Bloqueo de anuncios y rastreadores</translation>
    </message>
</context>
<context>
    <name>DNSSection</name>
    <message>
        <source>DNS Servers</source>
        <translation>Servidores DNS</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
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
        <translation>Resolución de nombres</translation>
    </message>
</context>
<context>
    <name>DiagnosticsCards</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>A response time; %1 is the number of whole milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No ping was lost.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The share of lost pings; %1 is the percentage.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>PHY Mode</source>
        <translation>Modo PHY</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
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
        <translation>Señal</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latencia</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Estabilidad</translation>
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
        <translation>Bajo carga: sin medir</translation>
    </message>
    <message>
        <source>Under load: no answer to the pings</source>
        <translation>Bajo carga: sin respuesta a los pings</translation>
    </message>
    <message>
        <source>Under load: +%1 ms</source>
        <extracomment>The response time the speed test&apos;s load added; %1 is the number of milliseconds.</extracomment>
        <translation>Bajo carga: +%1 ms</translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Volver a medir</translation>
    </message>
    <message>
        <source>Run Speed Test</source>
        <translation>Medir velocidad</translation>
    </message>
    <message>
        <source>Testing Download...</source>
        <translation>Probando descarga...</translation>
    </message>
    <message>
        <source>Testing Upload...</source>
        <translation>Probando subida...</translation>
    </message>
    <message>
        <source>(%1)</source>
        <extracomment>The number of tips, beside the folded tips header.</extracomment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops or starts the measurements.</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>inestable</translation>
    </message>
    <message>
        <source>varying</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
</context>
<context>
    <name>DiagnosticsContentView</name>
    <message>
        <source>Status</source>
        <extracomment>Goes back from the diagnostics page to the status page.</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>DIAGNOSTICS</source>
        <translation>DIAGNÓSTICO</translation>
    </message>
</context>
<context>
    <name>DiagnosticsScreenshotView</name>
    <message>
        <source>RECOMMENDATIONS</source>
        <translation>RECOMENDACIONES</translation>
    </message>
</context>
<context>
    <name>DiagnosticsToolbar</name>
    <message>
        <source>Copy or export</source>
        <translation>Copiar o exportar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Copy Screenshot</source>
        <translation>Copiar captura</translation>
    </message>
    <message>
        <source>Copy Summary Text</source>
        <translation>Copiar resumen en texto</translation>
    </message>
    <message>
        <source>Save Diagnostics CSV...</source>
        <translation>Guardar CSV de diagnóstico...</translation>
    </message>
    <message>
        <source>Save History CSV...</source>
        <translation>Guardar CSV del historial...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Screenshot copied!</source>
        <translation>¡Captura copiada!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
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
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Network Monitoring</source>
        <translation>Supervisión de red</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ping Interval</source>
        <translation>Intervalo de ping</translation>
    </message>
    <message>
        <source>Ping Target</source>
        <translation>Destino del ping</translation>
    </message>
    <message>
        <source>Captive Portal</source>
        <translation>Portal cautivo</translation>
    </message>
    <message>
        <source>Detect Captive Portals</source>
        <translation>Detectar portales cautivos</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Intervalo de comprobación</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Serve Metrics</source>
        <translation>Publicar métricas</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Overview</source>
        <translation>Descripción general</translation>
    </message>
    <message>
        <source>Linkmeter helps you understand and improve your wireless network connection.

**Status View**
The main view shows your connection quality at a glance with signal bars and a score from 0-100. Green means excellent, yellow is fair, and red indicates issues.

**Diagnostics View**
Click &quot;Diagnostics&quot; for detailed metrics including ping times, packet loss, DNS performance, bandwidth usage, and nearby network analysis.

**Panel**
The app lives in your panel&apos;s tray. You can customize what&apos;s shown (ping time, quality score, etc.) in Settings.</source>
        <translation>Linkmeter ayuda a entender y mejorar la conexión de red inalámbrica.

**Vista de estado**
La vista principal muestra de un vistazo la calidad de la conexión, con barras de señal y una puntuación de 0 a 100. El verde significa excelente; el amarillo, aceptable, y el rojo indica problemas.

**Vista de diagnóstico**
En &quot;Diagnóstico&quot; hay métricas detalladas: tiempos de ping, pérdida de paquetes, rendimiento DNS, uso del ancho de banda y análisis de las redes cercanas.

**Panel**
La aplicación vive en la bandeja del panel. Lo que se muestra en ella (tiempo de ping, puntuación de calidad, etc.) se puede personalizar en Configuración.</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Intensidad de la señal</translation>
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
        <translation>La intensidad de la señal se mide en dBm (decibelios relativos a un milivatio). Cuanto más cerca de 0, más fuerte es la señal.

**Niveles de señal:**
• Excelente: de -30 a -50 dBm (4 barras)
• Buena: de -50 a -60 dBm (3 barras)
• Aceptable: de -60 a -70 dBm (2 barras)
• Débil: de -70 a -80 dBm (1 barra)
• Muy débil: por debajo de -80 dBm (0 barras)

**Qué afecta a la señal:**
• La distancia al router
• Paredes y obstáculos
• Interferencias de otros dispositivos
• La orientación de las antenas del router</translation>
    </message>
    <message>
        <source>Latency &amp; Ping</source>
        <translation>Latencia y ping</translation>
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
        <translation>La latencia (ping) mide cuánto tardan los datos en llegar a un servidor y volver, en milisegundos (ms).

**Niveles de latencia:**
• Excelente: menos de 20 ms
• Buena: 20-50 ms
• Aceptable: 50-100 ms
• Deficiente: más de 100 ms

**Dos tipos de ping:**
• **Ping al router**: mide la conexión con el router. Los valores altos indican problemas en la red Wi-Fi local.
• **Ping a Internet**: mide la conexión con Internet (1.1.1.1). Los valores altos pueden indicar problemas del proveedor de Internet.

El **jitter** mide cuánto varía la latencia. Un jitter bajo (menos de 10 ms) es importante para videollamadas y juegos.</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Pérdida de paquetes</translation>
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
        <translation>La pérdida de paquetes se produce cuando los paquetes de datos no llegan a su destino. Incluso una pérdida pequeña puede causar problemas notables.

**Niveles de pérdida de paquetes:**
• Excelente: 0%
• Aceptable: menos del 1%
• Problemática: 1-5%
• Grave: más del 5%

**Efectos de la pérdida de paquetes:**
• Videollamadas: imagen congelada, cortes de audio
• Juegos: picos de lag, saltos bruscos
• Navegación: páginas que tardan en cargar, tiempos de espera agotados

**Causas habituales:**
• Interferencias Wi-Fi
• Red congestionada
• Hardware defectuoso
• Problemas del proveedor de Internet</translation>
    </message>
    <message>
        <source>Channel Analysis</source>
        <translation>Análisis de canales</translation>
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
        <translation>Las redes Wi-Fi emiten en canales concretos. Cuando varias redes usan el mismo canal, interfieren entre sí.

**Banda de 2.4 GHz:**
• Los canales 1, 6 y 11 no se solapan
• Lo mejor es usar uno de estos tres
• Más alcance, pero más congestión

**Banda de 5 GHz:**
• Muchos más canales sin solapamiento
• Más velocidad, menos interferencias
• Menos alcance

**Uso del gráfico de canales:**
El gráfico muestra cuántas redes hay en cada canal. Conviene buscar canales con menos redes o en los que las redes vecinas lleguen con menos señal.</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solución de problemas</translation>
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
        <translation>**Conexión lenta**
1. Comprobar la intensidad de la señal: acercarse al router
2. Cambiar a 5 GHz si está disponible
3. Comprobar si el canal está congestionado
4. Reiniciar el router

**Desconexiones intermitentes**
1. Buscar fuentes de interferencia (microondas, monitores de bebé)
2. Actualizar el firmware del router
3. Cambiar el canal Wi-Fi
4. Comprobar si el router se sobrecalienta

**Latencia alta**
1. Reducir el número de dispositivos conectados
2. Buscar aplicaciones que consuman mucho ancho de banda
3. Usar una conexión por cable para las tareas importantes
4. Consultar al proveedor de Internet si el ping a Internet es alto pero el ping al router es bajo

**No se ve el nombre de la red**
En Linux no hace falta permiso de ubicación para verlo. Conviene comprobar en la configuración de red del escritorio que la conexión Wi-Fi está activada y conectada.</translation>
    </message>
    <message>
        <source>Click the tray icon anytime to check your connection</source>
        <translation>Un clic en el icono de la bandeja muestra en todo momento el estado de la conexión</translation>
    </message>
    <message>
        <source>Use the Diagnostics view for detailed troubleshooting</source>
        <translation>La vista Diagnóstico ayuda a resolver problemas en detalle</translation>
    </message>
    <message>
        <source>Position your router in a central location</source>
        <translation>Colocar el router en un lugar central</translation>
    </message>
    <message>
        <source>Keep the router elevated and away from walls</source>
        <translation>Mantener el router en alto y lejos de las paredes</translation>
    </message>
    <message>
        <source>5 GHz has shorter range but less interference</source>
        <translation>La banda de 5 GHz tiene menos alcance, pero menos interferencias</translation>
    </message>
    <message>
        <source>Compare router vs internet ping to identify where issues are</source>
        <translation>Comparar el ping al router y a Internet para saber dónde está el problema</translation>
    </message>
    <message>
        <source>Use wired ethernet for gaming and video calls when possible</source>
        <translation>Usar cable Ethernet para juegos y videollamadas siempre que sea posible</translation>
    </message>
    <message>
        <source>Any packet loss above 0% should be investigated</source>
        <translation>Cualquier pérdida de paquetes por encima del 0% merece una revisión</translation>
    </message>
    <message>
        <source>Try changing WiFi channels if packet loss is high</source>
        <translation>Si la pérdida de paquetes es alta, cambiar de canal Wi-Fi puede ayudar</translation>
    </message>
    <message>
        <source>Run a network scan to see what channels are crowded</source>
        <translation>Buscar redes cercanas para ver qué canales están saturados</translation>
    </message>
    <message>
        <source>Most routers let you change channel in their admin page (usually 192.168.1.1)</source>
        <translation>La mayoría de los routers permiten cambiar el canal en su página de administración (normalmente 192.168.1.1)</translation>
    </message>
    <message>
        <source>Restart your router if you haven&apos;t in a while</source>
        <translation>Reiniciar el router si hace tiempo que no se reinicia</translation>
    </message>
    <message>
        <source>Check if the issue affects all devices or just one</source>
        <translation>Comprobar si el problema afecta a todos los dispositivos o solo a uno</translation>
    </message>
</context>
<context>
    <name>HelpView</name>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Connection history</source>
        <translation>Historial de la conexión</translation>
    </message>
    <message>
        <source>No readings in this period</source>
        <translation>No hay lecturas en este periodo</translation>
    </message>
    <message>
        <source>1 reading, quality %1 to %2</source>
        <extracomment>Read out by screen readers; %n is the number of readings, %1 and %2 the lowest and highest score</extracomment>
        <translation>1 lectura, calidad de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>%n readings, quality %1 to %2</source>
        <translation>
            <numerusform>%n lectura, calidad de %1 a %2</numerusform>
            <numerusform>%n lecturas, calidad de %1 a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, internet response time %1 to %2 ms</source>
        <extracomment>Appended to the chart&apos;s summary; %1 and %2 are milliseconds</extracomment>
        <translation>, tiempo de respuesta de Internet de %1 a %2 ms</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>Packet loss: %1</source>
        <translation>Pérdida de paquetes: %1</translation>
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
        <translation>Señal: %1 dBm</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Aún no hay historial</translation>
    </message>
    <message>
        <source>Linkmeter records a point every minute while it monitors your connection.</source>
        <translation>Linkmeter registra un punto cada minuto mientras supervisa la conexión.</translation>
    </message>
</context>
<context>
    <name>HistoryPresenter</name>
    <message>
        <source>24 Hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 días</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Quality score</source>
        <translation>Puntuación de calidad</translation>
    </message>
    <message>
        <source>Internet latency</source>
        <translation>Latencia de Internet</translation>
    </message>
    <message>
        <source>Packet loss</source>
        <translation>Pérdida de paquetes</translation>
    </message>
    <message>
        <source>Event (point at it for details)</source>
        <translation>Evento (pasar el puntero para ver detalles)</translation>
    </message>
</context>
<context>
    <name>IconValueMode</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>LinkmeterApp</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Bienvenido a Linkmeter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Linkmeter</source>
        <translation>Acerca de Linkmeter</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>ListenAddress</name>
    <message>
        <source>Enter the address as host:port, for example 127.0.0.1:9469.</source>
        <translation>Escriba la dirección como host:puerto, por ejemplo 127.0.0.1:9469.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535 after the colon.</source>
        <translation>Escriba un puerto del 1 al 65535 después de los dos puntos.</translation>
    </message>
    <message>
        <source>Enter a port from 0 to 65535 after the colon (0 picks a free one).</source>
        <translation>Escriba un puerto del 0 al 65535 después de los dos puntos (0 elige uno libre).</translation>
    </message>
    <message>
        <source>Enter an IP address before the colon, such as 127.0.0.1, 0.0.0.0 or [::1].</source>
        <translation>Escriba una dirección IP antes de los dos puntos, como 127.0.0.1, 0.0.0.0 o [::1].</translation>
    </message>
    <message>
        <source>Prometheus on this computer can scrape the figures at:</source>
        <translation>Prometheus en este equipo puede leer las cifras en:</translation>
    </message>
    <message>
        <source>Other computers on the network can read the figures, too, at:</source>
        <translation>Otros equipos de la red también pueden leer las cifras en:</translation>
    </message>
</context>
<context>
    <name>LocationPermissionPage</name>
    <message>
        <source>Location Access</source>
        <translation>Acceso a la ubicación</translation>
    </message>
    <message>
        <source>Linkmeter needs location access to identify your network name (SSID). On Linux the system shares it with desktop apps without asking.</source>
        <translation>Linkmeter necesita acceso a la ubicación para identificar el nombre de la red (SSID). En Linux, el sistema lo comparte con las aplicaciones de escritorio sin preguntar.</translation>
    </message>
    <message>
        <source>Location access granted</source>
        <translation>Acceso a la ubicación concedido</translation>
    </message>
    <message>
        <source>Allow Location Access</source>
        <translation>Permitir acceso a la ubicación</translation>
    </message>
</context>
<context>
    <name>MenuBarDisplayMode</name>
    <message>
        <source>Icon Only</source>
        <translation>Solo icono</translation>
    </message>
    <message>
        <source>Network icon only</source>
        <translation>Solo el icono de red</translation>
    </message>
    <message>
        <source>Ping Time</source>
        <translation>Tiempo de ping</translation>
    </message>
    <message>
        <source>e.g., 5ms</source>
        <translation>p. ej., 5 ms</translation>
    </message>
    <message>
        <source>Quality Score</source>
        <translation>Puntuación de calidad</translation>
    </message>
    <message>
        <source>e.g., 92</source>
        <translation>p. ej., 92</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>e.g., ↓12 ↑3</source>
        <translation>p. ej., ↓12 ↑3</translation>
    </message>
    <message>
        <source>Ping + Quality</source>
        <translation>Ping + calidad</translation>
    </message>
    <message>
        <source>e.g., 5ms • 92</source>
        <translation>p. ej., 5 ms • 92</translation>
    </message>
</context>
<context>
    <name>MenuBarSettingsTab</name>
    <message>
        <source>Panel Display</source>
        <translation>Visualización en el panel</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Modo de visualización</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Show Icon</source>
        <translation>Mostrar icono</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Mostrar texto</translation>
    </message>
    <message>
        <source>Show the value in the icon</source>
        <translation>Mostrar el valor en el icono</translation>
    </message>
    <message>
        <source>Popover</source>
        <translation>Ventana emergente</translation>
    </message>
    <message>
        <source>Compact mode reduces spacing for a denser layout</source>
        <translation>El modo compacto reduce los espacios para una disposición más densa</translation>
    </message>
    <message>
        <source>Compact Mode</source>
        <translation>Modo compacto</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Mostrar consejos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>NearbyNetworksPresenter</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
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
        <translation>Redes cercanas</translation>
    </message>
    <message>
        <source>Scan for Networks</source>
        <translation>Buscar redes</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>No networks found</source>
        <translation>No se encontraron redes</translation>
    </message>
</context>
<context>
    <name>NetworkInfoPresenter</name>
    <message>
        <source>DNS changed to %1</source>
        <translation>DNS cambiado a %1</translation>
    </message>
</context>
<context>
    <name>NetworkInfoView</name>
    <message>
        <source>Network Info</source>
        <translation>Información de red</translation>
    </message>
    <message>
        <source>Public IP</source>
        <translation>IP pública</translation>
    </message>
</context>
<context>
    <name>NetworkInsight</name>
    <message>
        <source>%1% better than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% mejor de lo habitual</translation>
    </message>
    <message>
        <source>%1% slower than usual</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% más lento de lo habitual</translation>
    </message>
    <message>
        <source>Reliably good here</source>
        <translation>Aquí siempre va bien</translation>
    </message>
    <message>
        <source>Usually struggles here</source>
        <translation>Aquí suele ir mal</translation>
    </message>
</context>
<context>
    <name>NoInternetBanner</name>
    <message>
        <source>No Internet Connection</source>
        <translation>Sin conexión a Internet</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Internet Feeling Sluggish</source>
        <translation>Internet va lento</translation>
    </message>
    <message>
        <source>Response time is %1ms — things may feel slow</source>
        <translation>El tiempo de respuesta es de %1 ms: todo puede ir lento</translation>
    </message>
    <message>
        <source>Connection Slowing Down</source>
        <translation>La conexión se está ralentizando</translation>
    </message>
    <message>
        <source>Response time increased to %1ms</source>
        <translation>Tiempo de respuesta en aumento: %1 ms</translation>
    </message>
    <message>
        <source>Connection Recovered!</source>
        <translation>¡Conexión recuperada!</translation>
    </message>
    <message>
        <source>Response time is back to normal (%1ms)</source>
        <translation>El tiempo de respuesta vuelve a ser normal (%1 ms)</translation>
    </message>
    <message>
        <source>Connection Unstable</source>
        <translation>Conexión inestable</translation>
    </message>
    <message>
        <source>Some data isn&apos;t getting through (%1% dropped)</source>
        <translation>Se están perdiendo datos (%1% de pérdida)</translation>
    </message>
    <message>
        <source>Connection Stabilized</source>
        <translation>Conexión estabilizada</translation>
    </message>
    <message>
        <source>Data flow is back to normal</source>
        <translation>El flujo de datos vuelve a la normalidad</translation>
    </message>
    <message>
        <source>WiFi Signal Is Weak</source>
        <translation>Señal Wi-Fi débil</translation>
    </message>
    <message>
        <source>Try moving closer to your router</source>
        <translation>Acercarse al router puede ayudar</translation>
    </message>
    <message>
        <source>WiFi Signal Dropped</source>
        <translation>Caída de la señal Wi-Fi</translation>
    </message>
    <message>
        <source>You may have moved away from the router</source>
        <translation>Puede que el equipo esté ahora más lejos del router</translation>
    </message>
    <message>
        <source>Signal Strength Improved!</source>
        <translation>¡Mejora la señal!</translation>
    </message>
    <message>
        <source>Much better reception now</source>
        <translation>Ahora la recepción es mucho mejor</translation>
    </message>
    <message>
        <source>Network Changed</source>
        <translation>Cambio de red</translation>
    </message>
    <message>
        <source>Your public IP address updated</source>
        <translation>Nueva dirección IP pública</translation>
    </message>
    <message>
        <source>Now on %1 (%2 dBm, was %3 dBm)</source>
        <translation>Ahora en %1 (%2 dBm, antes %3 dBm)</translation>
    </message>
    <message>
        <source>Sign-In Required</source>
        <translation>Se requiere iniciar sesión</translation>
    </message>
    <message>
        <source>This network needs you to log in first</source>
        <translation>Esta red requiere iniciar sesión primero</translation>
    </message>
    <message>
        <source>You&apos;re Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Can&apos;t reach the internet right now</source>
        <translation>No se puede acceder a Internet en este momento</translation>
    </message>
    <message>
        <source>Roamed to another access point</source>
        <translation>Cambio a otro punto de acceso</translation>
    </message>
</context>
<context>
    <name>NotificationPermissionPage</name>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Get alerted when your connection has issues like high latency, packet loss, or weak signal. You can customize these in Settings.</source>
        <translation>Linkmeter avisa cuando la conexión tiene problemas, como latencia alta, pérdida de paquetes o señal débil. Los avisos se pueden personalizar en Configuración.</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notificaciones activadas</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Activar notificaciones</translation>
    </message>
</context>
<context>
    <name>NotificationServerHint</name>
    <message>
        <source>No notification service is running.</source>
        <translation>No hay ningún servicio de notificaciones en marcha.</translation>
    </message>
    <message>
        <source>GNOME shows notifications itself: sign out and back in to restart it.</source>
        <translation>GNOME muestra las notificaciones por sí mismo: cierre la sesión y vuelva a entrar para reiniciarlo.</translation>
    </message>
    <message>
        <source>Plasma shows notifications itself: sign out and back in to restart it.</source>
        <translation>Plasma muestra las notificaciones por sí mismo: cierre la sesión y vuelva a entrar para reiniciarlo.</translation>
    </message>
    <message>
        <source>Cinnamon shows notifications itself: sign out and back in to restart it.</source>
        <translation>Cinnamon muestra las notificaciones por sí mismo: cierre la sesión y vuelva a entrar para reiniciarlo.</translation>
    </message>
    <message>
        <source>Install the xfce4-notifyd package; Xfce starts it when needed.</source>
        <translation>Instale el paquete xfce4-notifyd; Xfce lo inicia cuando hace falta.</translation>
    </message>
    <message>
        <source>Install the mate-notification-daemon package; MATE starts it when needed.</source>
        <translation>Instale el paquete mate-notification-daemon; MATE lo inicia cuando hace falta.</translation>
    </message>
    <message>
        <source>Turn on the notification daemon in LXQt Session Settings, Basic Settings.</source>
        <translation>Active el servicio de notificaciones en la configuración de sesión de LXQt, en Configuración básica.</translation>
    </message>
    <message>
        <source>Start a notification daemon such as dunst or mako.</source>
        <translation>Inicie un servicio de notificaciones como dunst o mako.</translation>
    </message>
</context>
<context>
    <name>NotificationsSettingsTab</name>
    <message>
        <source>High Response Time</source>
        <translation>Tiempo de respuesta alto</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Pérdida de paquetes</translation>
    </message>
    <message>
        <source>Weak Signal</source>
        <translation>Señal débil</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>Public IP Changed</source>
        <translation>Cambio de IP pública</translation>
    </message>
    <message>
        <source>Roaming</source>
        <translation>Cambio de punto de acceso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Solicitar</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Notifications won&apos;t repeat within 60 seconds</source>
        <translation>Las notificaciones no se repiten en menos de 60 segundos</translation>
    </message>
    <message>
        <source>Enable Notifications</source>
        <translation>Activar notificaciones</translation>
    </message>
    <message>
        <source>Notifications Enabled</source>
        <translation>Notificaciones activadas</translation>
    </message>
    <message>
        <source>System permissions granted</source>
        <translation>Permisos del sistema concedidos</translation>
    </message>
    <message>
        <source>Permission Required</source>
        <translation>Se requiere permiso</translation>
    </message>
    <message>
        <source>Start your desktop&apos;s notification service</source>
        <translation>Es necesario iniciar el servicio de notificaciones del escritorio</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>PingCard</name>
    <message>
        <source>Response Time</source>
        <translation>Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Pérdida</translation>
    </message>
</context>
<context>
    <name>QualityRating</name>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Perfect for video calls &amp; gaming</source>
        <translation>Perfecta para videollamadas y juegos</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Great for most activities</source>
        <translation>Ideal para la mayoría de los usos</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Aceptable</translation>
    </message>
    <message>
        <source>May experience occasional issues</source>
        <translation>Puede haber problemas ocasionales</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Deficiente</translation>
    </message>
    <message>
        <source>Expect slowdowns and interruptions</source>
        <translation>Cabe esperar lentitud e interrupciones</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Connection is unstable</source>
        <translation>La conexión es inestable</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Gathering data...</source>
        <translation>Recopilando datos...</translation>
    </message>
</context>
<context>
    <name>QualityText</name>
    <message>
        <source>Connection quality %1 of 100, %2</source>
        <extracomment>Read out by screen readers; %1 is the score, %2 the rating (&quot;Excellent&quot;)</extracomment>
        <translation>Calidad de la conexión: %1 de 100, %2</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>¡Todo listo!</translation>
    </message>
    <message>
        <source>Monitor signal strength</source>
        <translation>Supervisar la intensidad de la señal</translation>
    </message>
    <message>
        <source>Track latency &amp; packet loss</source>
        <translation>Seguir la latencia y la pérdida de paquetes</translation>
    </message>
    <message>
        <source>Get improvement tips</source>
        <translation>Recibir consejos de mejora</translation>
    </message>
    <message>
        <source>Analyze nearby networks</source>
        <translation>Analizar redes cercanas</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>RecommendationRow</name>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>networks</source>
        <translation>redes</translation>
    </message>
</context>
<context>
    <name>RelativeTimeLabel</name>
    <message>
        <source>1 year ago</source>
        <translation>hace 1 año</translation>
    </message>
    <message>
        <source>%n years ago</source>
        <translation>hace %n años</translation>
    </message>
    <message>
        <source>1 month ago</source>
        <translation>hace 1 mes</translation>
    </message>
    <message>
        <source>%n months ago</source>
        <translation>hace %n meses</translation>
    </message>
    <message>
        <source>1 week ago</source>
        <translation>hace 1 semana</translation>
    </message>
    <message>
        <source>%n weeks ago</source>
        <translation>hace %n semanas</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>hace 1 día</translation>
    </message>
    <message>
        <source>%n days ago</source>
        <translation>hace %n días</translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation>hace 1 hora</translation>
    </message>
    <message>
        <source>%n hours ago</source>
        <translation>hace %n horas</translation>
    </message>
    <message>
        <source>1 minute ago</source>
        <translation>hace 1 minuto</translation>
    </message>
    <message>
        <source>%n minutes ago</source>
        <translation>hace %n minutos</translation>
    </message>
    <message>
        <source>1 second ago</source>
        <translation>hace 1 segundo</translation>
    </message>
    <message>
        <source>%n seconds ago</source>
        <translation>hace %n segundos</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
</context>
<context>
    <name>RouterBrand</name>
    <message>
        <source>Contact your ISP about a WiFi extender or upgraded router</source>
        <translation>Preguntar al proveedor de Internet por un repetidor Wi-Fi o un router mejor</translation>
    </message>
    <message>
        <source>Consider adding another mesh point for better coverage</source>
        <translation>Añadir otro nodo mesh puede mejorar la cobertura</translation>
    </message>
    <message>
        <source>Try Netgear&apos;s WiFi Analytics app to find the best spot</source>
        <translation>La aplicación WiFi Analytics de Netgear ayuda a encontrar el mejor lugar</translation>
    </message>
    <message>
        <source>Try enabling Netgear Armor&apos;s channel optimization</source>
        <translation>Activar la optimización de canal de Netgear Armor puede ayudar</translation>
    </message>
    <message>
        <source>Use TP-Link Tether app to check for channel congestion</source>
        <translation>Usar la aplicación TP-Link Tether para comprobar si el canal está congestionado</translation>
    </message>
    <message>
        <source>Enable Smart Connect in ASUS router settings to auto-select bands</source>
        <translation>Activar Smart Connect en la configuración del router ASUS para que elija la banda automáticamente</translation>
    </message>
    <message>
        <source>Run a speed test at speedtest.net and contact your ISP if speeds are slow</source>
        <translation>Hacer una prueba de velocidad en speedtest.net y, si la velocidad es baja, consultar al proveedor de Internet</translation>
    </message>
    <message>
        <source>Check Google Home app for device prioritization options</source>
        <translation>Revisar en la aplicación Google Home las opciones para priorizar dispositivos</translation>
    </message>
    <message>
        <source>Open AirPort Utility app</source>
        <translation>Abrir la aplicación Utilidad AirPort</translation>
    </message>
    <message>
        <source>Open Google Home app</source>
        <translation>Abrir la aplicación Google Home</translation>
    </message>
    <message>
        <source>Open eero app</source>
        <translation>Abrir la aplicación eero</translation>
    </message>
    <message>
        <source>Open the Xfinity app or visit xfinity.com/myaccount</source>
        <translation>Abrir la aplicación Xfinity o visitar xfinity.com/myaccount</translation>
    </message>
    <message>
        <source>Open %1 in your browser</source>
        <extracomment>%1 is the address of the router&apos;s administration page</extracomment>
        <translation>Abrir %1 en el navegador</translation>
    </message>
</context>
<context>
    <name>ScanError</name>
    <message>
        <source>No WiFi interface available</source>
        <translation>No hay ninguna interfaz Wi-Fi disponible</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 seconds</source>
        <extracomment>An interval in the settings&apos; menus, for a value no menu entry offers</extracomment>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Umbrales</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
</context>
<context>
    <name>SignalBarsView</name>
    <message>
        <source>Signal strength unknown</source>
        <translation>Intensidad de la señal desconocida</translation>
    </message>
    <message>
        <source>very weak</source>
        <translation>muy débil</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>débil</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>aceptable</translation>
    </message>
    <message>
        <source>good</source>
        <translation>buena</translation>
    </message>
    <message>
        <source>excellent</source>
        <translation>excelente</translation>
    </message>
    <message>
        <source>Signal %1 dBm, %2</source>
        <extracomment>Read out by screen readers; %1 is the signal in dBm (a negative number), %2 a word such as &quot;good&quot;</extracomment>
        <translation>Señal de %1 dBm, %2</translation>
    </message>
</context>
<context>
    <name>SparklineView</name>
    <message>
        <source>Recent values</source>
        <translation>Valores recientes</translation>
    </message>
    <message>
        <source>%1, no values yet</source>
        <translation>%1, aún sin valores</translation>
    </message>
    <message numerus="yes">
        <source>%1, last %n values, %2 to %3</source>
        <extracomment>Read out by screen readers: &quot;Internet response time, last 60 values, 12 ms to 31 ms&quot;</extracomment>
        <translation>
            <numerusform>%1, %n valor reciente, de %2 a %3</numerusform>
            <numerusform>%1, últimos %n valores, de %2 a %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeedTestView</name>
    <message>
        <source>SPEED TEST</source>
        <translation>PRUEBA DE VELOCIDAD</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Last tested: </source>
        <extracomment>Before how long ago the last speed test ran.</extracomment>
        <translation>Última prueba: </translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Volver a medir</translation>
    </message>
    <message>
        <source>Speed test failed</source>
        <translation>Error en la prueba de velocidad</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>StatusCard</name>
    <message>
        <source>Location required</source>
        <translation>Se necesita la ubicación</translation>
    </message>
    <message>
        <source>Monitoring paused</source>
        <translation>Supervisión en pausa</translation>
    </message>
</context>
<context>
    <name>StatusPresenter</name>
    <message>
        <source>Looking Great!</source>
        <translation>¡Todo va genial!</translation>
    </message>
    <message>
        <source>Perfect for video calls and streaming</source>
        <translation>Ideal para videollamadas y streaming</translation>
    </message>
    <message>
        <source>All Good</source>
        <translation>Todo bien</translation>
    </message>
    <message>
        <source>Should work well for most things</source>
        <translation>Debería ir bien para casi todo</translation>
    </message>
    <message>
        <source>Hanging In There</source>
        <translation>Aguantando</translation>
    </message>
    <message>
        <source>Might be a bit slow at times</source>
        <translation>A veces puede ir algo lento</translation>
    </message>
    <message>
        <source>Having Trouble</source>
        <translation>Con dificultades</translation>
    </message>
    <message>
        <source>You may notice some hiccups</source>
        <translation>Puede haber algún que otro fallo</translation>
    </message>
    <message>
        <source>Struggling</source>
        <translation>Con muchos problemas</translation>
    </message>
    <message>
        <source>Things might not work well</source>
        <translation>Puede que algo no funcione bien</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Give me a moment...</source>
        <translation>Un momento...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Open %1 Settings</source>
        <translation>Abrir configuración de %1</translation>
    </message>
    <message>
        <source>Tip for your %1</source>
        <translation>Consejo para el router %1</translation>
    </message>
</context>
<context>
    <name>StatusScreenshotView</name>
    <message>
        <source>WiFi Status</source>
        <translation>Estado Wi-Fi</translation>
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
        <translation>Compartir una captura del estado</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Allow location to see network name</source>
        <translation>Permitir la ubicación para ver el nombre de la red</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Get alerts when connection has issues</source>
        <translation>Recibir alertas si la conexión tiene problemas</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
</context>
<context>
    <name>ThresholdsSettingsTab</name>
    <message>
        <source>Enter a whole number of milliseconds from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed response times in milliseconds</extracomment>
        <translation>Debe ser un número entero de milisegundos entre %1 y %2.</translation>
    </message>
    <message>
        <source>Enter a percentage from %1 to %2.</source>
        <extracomment>%1 and %2 are the smallest and largest allowed percentages</extracomment>
        <translation>Debe ser un porcentaje entre %1 y %2.</translation>
    </message>
    <message>
        <source>The warning value can&apos;t be above the critical value.</source>
        <translation>El valor de aviso no puede superar el valor crítico.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A threshold field&apos;s name for screen readers: the level and its unit, &quot;Warning (ms)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Alert when ping exceeds these values</source>
        <translation>Avisar cuando el ping supere estos valores</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Packet Loss</source>
        <translation>Pérdida de paquetes</translation>
    </message>
    <message>
        <source>Alert when packet loss exceeds these values</source>
        <translation>Avisar cuando la pérdida de paquetes supere estos valores</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
</context>
<context>
    <name>TimelineEvent</name>
    <message>
        <source>Internet connection lost</source>
        <translation>Conexión a Internet perdida</translation>
    </message>
    <message>
        <source>Internet connection back</source>
        <translation>Conexión a Internet restablecida</translation>
    </message>
    <message>
        <source>Sign-in page detected</source>
        <translation>Página de inicio de sesión detectada</translation>
    </message>
    <message>
        <source>DNS servers changed</source>
        <translation>Servidores DNS cambiados</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Supervisión iniciada</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Supervisión detenida</translation>
    </message>
    <message>
        <source>Speed test</source>
        <translation>Prueba de velocidad</translation>
    </message>
</context>
<context>
    <name>Tip</name>
    <message>
        <source>Weak Signal</source>
        <translation>Señal débil</translation>
    </message>
    <message>
        <source>Signal strength is very low (%1 dBm).</source>
        <translation>La intensidad de la señal es muy baja (%1 dBm).</translation>
    </message>
    <message>
        <source>Move closer to your router, or try removing obstacles like walls and furniture between you and the router.</source>
        <translation>Conviene acercarse al router o evitar obstáculos, como paredes y muebles, entre el equipo y el router.</translation>
    </message>
    <message>
        <source>Fair Signal</source>
        <translation>Señal aceptable</translation>
    </message>
    <message>
        <source>Signal is moderate (%1 dBm) - good enough but could be better.</source>
        <translation>La señal es moderada (%1 dBm): suficiente, pero podría ser mejor.</translation>
    </message>
    <message>
        <source>For better speeds, try moving closer to your router or to a different room.</source>
        <translation>Para ganar velocidad, conviene acercarse al router o cambiar de habitación.</translation>
    </message>
    <message>
        <source>Using 2.4 GHz Band</source>
        <translation>En la banda de 2.4 GHz</translation>
    </message>
    <message>
        <source>The 2.4 GHz band has good range but can be crowded and slower.</source>
        <translation>La banda de 2.4 GHz tiene buen alcance, pero puede estar saturada y ser más lenta.</translation>
    </message>
    <message>
        <source>If your router has both bands, look for a network name ending in &quot;_5G&quot; or &quot;5GHz&quot; in your WiFi settings for faster speeds.</source>
        <translation>Si el router tiene ambas bandas, para ganar velocidad conviene buscar en la configuración Wi-Fi una red cuyo nombre termine en &quot;_5G&quot; o &quot;5GHz&quot;.</translation>
    </message>
    <message>
        <source>Narrow Channel Width</source>
        <translation>Ancho de canal estrecho</translation>
    </message>
    <message>
        <source>Your router is using a %1 MHz channel width.</source>
        <translation>El router usa un ancho de canal de %1 MHz.</translation>
    </message>
    <message>
        <source>Log into your router&apos;s admin page (usually 192.168.1.1) and look for &quot;Channel Width&quot; or &quot;Bandwidth&quot; settings. Set it to 80 MHz for faster speeds.</source>
        <translation>En la página de administración del router (normalmente 192.168.1.1), el ajuste suele llamarse &quot;Ancho de canal&quot; o &quot;Ancho de banda&quot; (&quot;Channel Width&quot; o &quot;Bandwidth&quot;). Con 80 MHz se consigue más velocidad.</translation>
    </message>
    <message>
        <source>High Interference</source>
        <translation>Muchas interferencias</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio is low (%1 dB) - other devices may be causing interference.</source>
        <translation>La relación señal/ruido es baja (%1 dB): puede haber interferencias de otros dispositivos.</translation>
    </message>
    <message>
        <source>Move away from microwaves, baby monitors, or other electronics. You can also try changing your router&apos;s WiFi channel in its admin settings.</source>
        <translation>Conviene alejarse de microondas, monitores de bebé y otros aparatos electrónicos. También se puede cambiar el canal Wi-Fi en la configuración de administración del router.</translation>
    </message>
    <message>
        <source>Slow Router Response</source>
        <translation>Respuesta lenta del router</translation>
    </message>
    <message>
        <source>Router is taking %1ms to respond (should be &lt;5ms).</source>
        <translation>El router tarda %1 ms en responder (lo ideal es menos de 5 ms).</translation>
    </message>
    <message>
        <source>Try restarting your router by unplugging it for 30 seconds. If the problem persists, your router may be overloaded.</source>
        <translation>Se puede reiniciar el router desenchufándolo durante 30 segundos. Si el problema continúa, puede que el router esté sobrecargado.</translation>
    </message>
    <message>
        <source>Connection Dropping</source>
        <translation>Conexión con pérdidas</translation>
    </message>
    <message>
        <source>%1% of data packets are being lost to your router.</source>
        <translation>Se pierde el %1% de los paquetes de datos hacia el router.</translation>
    </message>
    <message>
        <source>This usually means WiFi interference. Try moving closer to your router, or scan nearby networks to find a less crowded channel.</source>
        <translation>Suele deberse a interferencias Wi-Fi. Conviene acercarse al router o buscar redes cercanas para encontrar un canal menos saturado.</translation>
    </message>
    <message>
        <source>Unstable Connection</source>
        <translation>Conexión inestable</translation>
    </message>
    <message>
        <source>Connection timing varies by %1ms (jitter). This affects video calls and gaming.</source>
        <translation>La latencia varía en %1 ms (jitter). Esto afecta a las videollamadas y los juegos.</translation>
    </message>
    <message>
        <source>Reduce the number of devices using WiFi, or connect your computer directly to the router with an ethernet cable for important calls.</source>
        <translation>Conviene reducir los dispositivos conectados por Wi-Fi o, para llamadas importantes, conectar el equipo directamente al router con un cable Ethernet.</translation>
    </message>
    <message>
        <source>Slow Internet Response</source>
        <translation>Respuesta lenta de Internet</translation>
    </message>
    <message>
        <source>Internet latency is %1ms (should be &lt;30ms for most uses).</source>
        <translation>La latencia de Internet es de %1 ms (para la mayoría de los usos debería ser inferior a 30 ms).</translation>
    </message>
    <message>
        <source>This is usually outside your control - it&apos;s between you and your ISP. For gaming or video calls, try a wired connection.</source>
        <translation>Normalmente no depende de la red local, sino del tramo hasta el proveedor de Internet. Para juegos o videollamadas, mejor usar una conexión por cable.</translation>
    </message>
    <message>
        <source>Internet Packet Loss</source>
        <translation>Pérdida de paquetes en Internet</translation>
    </message>
    <message>
        <source>%1% of data is being lost on the way to the internet.</source>
        <translation>Se pierde el %1% de los datos de camino a Internet.</translation>
    </message>
    <message>
        <source>If your local network is fine (check router ping), contact your ISP - the problem is on their end.</source>
        <translation>Si la red local funciona bien (ver el ping al router), el problema es del proveedor de Internet: conviene ponerse en contacto con él.</translation>
    </message>
    <message>
        <source>ISP Is the Bottleneck</source>
        <translation>El proveedor es el cuello de botella</translation>
    </message>
    <message>
        <source>Your local WiFi is fast, but the internet connection is slow.</source>
        <translation>La red Wi-Fi local es rápida, pero la conexión a Internet es lenta.</translation>
    </message>
    <message>
        <source>The issue is with your Internet Service Provider, not your home network. Contact them if speeds are significantly below what you&apos;re paying for.</source>
        <translation>El problema está en el proveedor de Internet, no en la red doméstica. Si la velocidad está muy por debajo de la contratada, conviene ponerse en contacto con él.</translation>
    </message>
    <message>
        <source>Slow DNS Lookup</source>
        <translation>Resolución DNS lenta</translation>
    </message>
    <message>
        <source>Website name lookups taking %1ms (should be &lt;50ms).</source>
        <translation>Resolver los nombres de los sitios web tarda %1 ms (lo ideal es menos de 50 ms).</translation>
    </message>
    <message>
        <source>Use the DNS section below to switch to a faster DNS like Cloudflare (1.1.1.1) or Google (8.8.8.8).</source>
        <translation>En la sección DNS de abajo se puede cambiar a un DNS más rápido, como Cloudflare (1.1.1.1) o Google (8.8.8.8).</translation>
    </message>
    <message>
        <source>DNS Not Working</source>
        <translation>El DNS no funciona</translation>
    </message>
    <message>
        <source>Cannot look up website names - this will prevent most websites from loading.</source>
        <translation>No se pueden resolver los nombres de los sitios web, así que la mayoría no cargará.</translation>
    </message>
    <message>
        <source>Try switching DNS servers using the Network Info section. If that doesn&apos;t help, restart your router.</source>
        <translation>Se puede cambiar de servidor DNS en la sección Información de red. Si no funciona, conviene reiniciar el router.</translation>
    </message>
</context>
<context>
    <name>TipsSection</name>
    <message>
        <source>TIPS</source>
        <translation>CONSEJOS</translation>
    </message>
</context>
<context>
    <name>TransportFailure</name>
    <message>
        <source>No response</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>Names can&apos;t be looked up (DNS is not answering)</source>
        <translation>No se pueden resolver nombres (el DNS no responde)</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Se agotó el tiempo de espera de la conexión</translation>
    </message>
    <message>
        <source>The network refused the connection</source>
        <translation>La red rechazó la conexión</translation>
    </message>
    <message>
        <source>No route to the internet</source>
        <translation>No hay ruta hacia Internet</translation>
    </message>
    <message>
        <source>The connection failed</source>
        <translation>No se pudo establecer la conexión</translation>
    </message>
    <message>
        <source>Could not reach the speed test server</source>
        <translation>No se pudo conectar con el servidor de la prueba de velocidad</translation>
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
        <translation>Icono de la bandeja</translation>
    </message>
    <message>
        <source>Tray found</source>
        <translation>Bandeja detectada</translation>
    </message>
    <message>
        <source>Linkmeter lives in your panel&apos;s tray. Click its icon any time to see how your connection is doing.</source>
        <translation>Linkmeter vive en la bandeja del panel. Con un clic en su icono se ve en todo momento el estado de la conexión.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Turn on &quot;AppIndicator and KStatusNotifierItem Support&quot; in the Extensions app, or run:</source>
        <translation>GNOME solo muestra iconos en la bandeja con la extensión AppIndicator. Hay que activar &quot;AppIndicator and KStatusNotifierItem Support&quot; en la aplicación Extensiones o ejecutar:</translation>
    </message>
    <message>
        <source>Your panel has no tray for Linkmeter&apos;s icon yet. Add the status tray (or system tray) to your panel. Until then, Linkmeter opens as a small window.</source>
        <translation>El panel aún no tiene bandeja para el icono de Linkmeter. Hay que añadir la bandeja de estado (o bandeja del sistema) al panel. Mientras tanto, Linkmeter se abre como una ventana pequeña.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Downloading update...</source>
        <translation>Descargando actualización...</translation>
    </message>
    <message>
        <source>Relaunch Linkmeter</source>
        <translation>Reiniciar Linkmeter</translation>
    </message>
    <message>
        <source>Install the package, then relaunch</source>
        <translation>Instalar el paquete y reiniciar</translation>
    </message>
    <message>
        <source>Update Ready!</source>
        <translation>¡Actualización lista!</translation>
    </message>
</context>
<context>
    <name>UpdateBannerPresenter</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Update Available: %1</source>
        <translation>Actualización disponible: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Linkmeter</source>
        <translation>Bienvenido a Linkmeter</translation>
    </message>
    <message>
        <source>Monitor your WiFi connection quality, diagnose issues, and get actionable tips to improve your network.</source>
        <translation>Linkmeter supervisa la calidad de la conexión Wi-Fi, diagnostica problemas y ofrece consejos prácticos para mejorar la red.</translation>
    </message>
</context>
<context>
    <name>WiFiInfo</name>
    <message>
        <source>Unknown Network</source>
        <translation>Red desconocida</translation>
    </message>
</context>
</TS>
