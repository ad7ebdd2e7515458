import QtQuick 2.15

// The model assistant's type page of this model type.
AssistantTypePage {
    typeKey: "SailDelta"
}
