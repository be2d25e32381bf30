#pragma once

#include <QObject>

typedef struct _XDisplay Display;

namespace lumo {

class XAtomHelperPrivate : public QObject
{
    Q_OBJECT
public:
    explicit XAtomHelperPrivate(QObject *parent);

    Display *m_display = nullptr;
    unsigned long m_motifAtom = 0;
    unsigned long m_radiusAtom = 0;
    unsigned long m_decorationAtom = 0;
};

} // namespace lumo
