// Where the monitor publishes live data: the site's MQTT broker, from
// WEIGHSTATION_MQTT (or the key "mqtt" of the settings file) as
// mqtt://[user@]host[:port][/prefix] or mqtts://... (TLS). The password
// comes from a file only readable by its owner, never from the URI.
#pragma once

#include <QString>

#include "journal/failure.h"

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

// The setting: the environment's WEIGHSTATION_MQTT, else the settings
// file's "mqtt"; empty when neither is set (nothing is published).
QString setting();

// Parses `uri`; `station` makes the default prefix "weighstation/<station>".
// The password is read from WEIGHSTATION_MQTT_PASSWORD_FILE (refused when
// others than its owner may read it), TLS files from WEIGHSTATION_MQTT_CA,
// WEIGHSTATION_MQTT_CERT and WEIGHSTATION_MQTT_CERT_KEY: each must be a
// readable file, and they are refused beside an mqtt:// URI (no TLS).
// False with the failure, naming the setting.
bool parse(const QString &uri, const QString &station, MqttTarget *target, Failure *failure);

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
