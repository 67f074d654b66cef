#pragma once
#include <QString>
#include <QUndoCommand>

#include <algorithm>
#include <vector>

// A step of a document's history: the text cells a change wrote, each with its text before and
// after, and the tables' small fields (counts, identities, flags) before and after whole. A
// step holds only what changed, so a word typed costs a few bytes and a full sort what it moved.
//
// `C` reads the document `D` as cells: C::Tabelle (the tables), C::numero() cells,
// C::cella(Tabelle&, k), C::Scalari with C::leggi(const D&) and C::scrivi(D&, const Scalari&),
// C::tabelle(D&), and C::applicato(D&), which the document uses to tell what happened.
template <class D, class C> class Passo : public QUndoCommand {
public:
    using Scalari = typename C::Scalari;
    struct Cella {
        int indice;
        QString prima, dopo;
    };

    // A step of the change from `prima` (the tables as they were) to what `documento` holds now.
    // `chiave` != -1: a typing step that a next one of the same key joins, unless `nuova`.
    Passo(D& documento, const QString& testo, int chiave, bool nuova)
        : QUndoCommand(testo), m_documento(documento), m_chiave(chiave), m_nuova(nuova)
    {
    }

    // Every cell that differs between `prima` and the document's tables.
    void confronta(const typename C::Tabelle& prima, const Scalari& scalariprima)
    {
        auto& ora = C::tabelle(m_documento);
        for (int k = 0; k < C::numero(); ++k) {
            const QString& p = C::cella(const_cast<typename C::Tabelle&>(prima), k);
            const QString& d = C::cella(ora, k);
            if (p != d)
                celle.push_back({k, p, d});
        }
        m_prima = scalariprima;
        m_dopo = C::leggi(m_documento);
    }
    // One cell written, from `prima` to what it holds now.
    void cella(int indice, const QString& prima, const Scalari& scalariprima)
    {
        celle.push_back({indice, prima, C::cella(C::tabelle(m_documento), indice)});
        m_prima = scalariprima;
        m_dopo = C::leggi(m_documento);
    }
    bool vuoto() const { return celle.empty() && m_prima == m_dopo; }

    int id() const override { return m_chiave; }
    bool mergeWith(const QUndoCommand* altro) override
    {
        const auto* a = static_cast<const Passo*>(altro);
        if (a->m_nuova)
            return false;
        for (const Cella& c : a->celle) {
            auto i = std::find_if(celle.begin(), celle.end(), [&](const Cella& e) { return e.indice == c.indice; });
            if (i == celle.end())
                celle.push_back(c);
            else
                i->dopo = c.dopo;
        }
        // Typed back to what it was: the step is no step.
        celle.erase(std::remove_if(celle.begin(), celle.end(), [](const Cella& c) { return c.prima == c.dopo; }),
                    celle.end());
        m_dopo = a->m_dopo;
        setObsolete(vuoto());
        return true;
    }
    void undo() override { applica(true); }
    void redo() override
    {
        // Pushed once the change is made: the first redo has nothing to do.
        if (m_fatto) {
            m_fatto = false;
            return;
        }
        applica(false);
    }

    std::vector<Cella> celle;

private:
    void applica(bool indietro)
    {
        auto& t = C::tabelle(m_documento);
        for (const Cella& c : celle)
            C::cella(t, c.indice) = indietro ? c.prima : c.dopo;
        C::scrivi(m_documento, indietro ? m_prima : m_dopo);
        C::applicato(m_documento);
    }

    D& m_documento;
    int m_chiave;
    bool m_nuova;
    bool m_fatto = true;
    Scalari m_prima{}, m_dopo{};
};
