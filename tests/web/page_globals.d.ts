// What scripts run inside the page (the browser tests') find there.
declare var zepiro: ReturnType<typeof import('../../web/src/automation.js').automationInterface>;
