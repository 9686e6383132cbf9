// Where the monitor publishes live data: the site's MQTT broker, from the
// setting "mqtt" (WEIGHSTATION_MQTT) as
// mqtt://[user@]host[:port][/prefix] or mqtts://... (TLS). The password
// comes from a file only readable by its owner, never from the URI.
#pragma once

#include <QString>

#include "failure/failure.h"

struct MqttTarget {
  bool tls = false;
  QString host;
  int port = 1883;
  QString user;
  QString password;
  QString prefix;  // topics are "<prefix>/..."
  QString caFile;  // empty: the system's CA store
  QString certFile;
  QString keyFile;
  QString station;  // whose readings and records are published

  // The URI without a password, to name the broker in messages and tables.
  QString shown() const;
};

namespace mqtttarget {

// The broker's settings as the program read them: mqtt, mqtt_password_file,
// mqtt_ca, mqtt_cert and mqtt_cert_key (WEIGHSTATION_MQTT...).
struct Settings {
  QString uri{};  // empty: nothing is published
  QString passwordFile{};
  QString caFile{};
  QString certFile{};
  QString keyFile{};
};

// Parses the URI; `station` makes the default prefix "weighstation/<station>".
// The password is read from its file (refused when others than its owner
// may read it); the TLS files must each be a readable file, and they are
// refused beside an mqtt:// URI (no TLS). False with the failure, naming
// the setting.
bool parse(const Settings &settings, const QString &station, MqttTarget *target, Failure *failure);

// The MQTT client id of `station` publishing `journalId` (empty while the
// journal does not exist yet: the machine and the journal's path stand in
// for it): "ws-" and 20 hex digits of their SHA-256, 23 characters, the
// longest every MQTT broker takes. The same station and journal always
// get the same id; two stations never share one.
QString clientId(const QString &station, const QString &journalId, const QString &journalPath);

// Whether `prefix` may start a topic that is published to: not empty, no
// wildcard ('#', '+'), no NUL, no empty level.
bool validPrefix(const QString &prefix);

}  // namespace mqtttarget
